#include "shell/associations.h"

#include "shell/registry.h"

#include <QDir>

namespace kw {

const FileTypeNames& fileTypeNames(FileKind kind)
{
    static const FileTypeNames ship{QStringLiteral(".shp"),         QStringLiteral("shpfile"),
                                    QStringLiteral("Starmarch Ship Design"), QStringLiteral("/S"),
                                    QStringLiteral("ShipAssoc"),    QStringLiteral("application/x-starmarch-ship"),
                                    QStringLiteral("keelwright-ship")};
    static const FileTypeNames fleet{QStringLiteral(".flt"),          QStringLiteral("fltfile"),
                                     QStringLiteral("Starmarch Fleet"), QStringLiteral("/F"),
                                     QStringLiteral("FleetAssoc"),    QStringLiteral("application/x-starmarch-fleet"),
                                     QStringLiteral("keelwright-fleet")};
    return kind == FileKind::Ship ? ship : fleet;
}

QString associationCommand(const QString& executable, FileKind kind)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(executable) + QStringLiteral("\" \"")
           + fileTypeNames(kind).commandSwitch + QStringLiteral(" %1\"");
}

void writeAssociationKeys(Registry& registry, FileKind kind, const QString& executable)
{
    const FileTypeNames& names = fileTypeNames(kind);
    const RegistryRoot root = RegistryRoot::ClassesRoot;
    registry.SetRegString(root, names.extension, QString(), names.className);
    registry.SetRegString(root, names.className, QString(), names.description);
    registry.SetRegString(root, names.className, QStringLiteral("EditFlags"), QStringLiteral("hex:00,00,00,00"));
    registry.SetRegString(root, names.className + QStringLiteral("\\Shell"), QString(), QString());
    registry.SetRegString(root, names.className + QStringLiteral("\\Shell\\Open\\Command"), QString(),
                          associationCommand(executable, kind));
}

void deleteAssociationKeys(Registry& registry, FileKind kind)
{
    const FileTypeNames& names = fileTypeNames(kind);
    for (const auto& [subKey, name] : {std::pair{names.extension, QString()}, std::pair{QString(), names.className}}) {
        try {
            registry.DeleteRegValue(RegistryRoot::ClassesRoot, subKey, name, false);
        } catch (const RegistryError&) {
            // Already gone: nothing to undo.
        }
    }
}

} // namespace kw
