#include "fleet/fleetsaving.h"

#include "storage/codepage.h"
#include "storage/filesaving.h"
#include "storage/shipfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kw {

namespace {

// Copies that differ only in case would be one file where names are compared without case.
bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Whether two names name one file on this platform's disks.
bool sameFile(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return sameName(a, b);
#else
    return a == b;
#endif
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A name of the copies not taken yet: "Hood (2).shp", "Hood (3).shp", ...
QString freeName(const QString& name, const QList<FleetCopy>& copies)
{
    const QFileInfo info(name);
    const QString base = info.suffix().isEmpty() ? name : info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
        if (std::none_of(copies.cbegin(), copies.cend(),
                         [&](const FleetCopy& c) { return sameName(c.name, candidate); }))
            return candidate;
    }
}

// Which names the fleet folder may hold, or why the fleet cannot be saved there.
std::optional<QString> folderRefusal(const QString& fleetPath, const QString& folder, QStringList& present)
{
    const QFileInfo info(folder);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QStringLiteral("The fleet was not saved: %1 is not a folder for the fleet's ships.\r\n"
                              "Save the fleet under another name.")
            .arg(shown(folder));
    if (!info.exists())
        return std::nullopt;
    QStringList listed;
    QByteArray old;
    if (QFileInfo(fleetPath).isFile() && readWholeFile(fleetPath, kMaxFleetFileBytes, old, nullptr))
        listed = listedShipFiles(old);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                             | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isFile() || std::none_of(listed.cbegin(), listed.cend(), [&](const QString& n) {
                return sameFile(n, entry.fileName());
            }))
            return QStringLiteral("The fleet was not saved: the folder %1 holds files that do not belong to the "
                                  "fleet %2.\r\nSave the fleet under another name, or move those files away.")
                .arg(shown(folder), shown(fleetPath));
        present << entry.fileName();
    }
    return std::nullopt;
}

} // namespace

QString fleetFolderOf(const QString& fleetPath)
{
    const QFileInfo info(fleetPath);
    if (info.suffix().isEmpty())
        return fleetPath;
    return fleetPath.chopped(info.suffix().size() + 1);
}

QString copyNameFor(const QString& shipFileName)
{
    QString name = shipFileName;
    for (QChar& c : name) {
        if (c == u',' || c == u'\\')
            c = u';';
        else if (!firstUnencodable(QStringView(&c, 1)).isNull())
            c = u'_';
    }
    return name;
}

std::optional<QString> planFleetSave(const QString& fleetPath, QList<ShipToSave> ships, FleetSavePlan& plan)
{
    plan = {};
    plan.fleetPath = fleetPath;
    plan.folder = fleetFolderOf(fleetPath);
    if (QFileInfo(fleetPath).isDir())
        return QStringLiteral("The fleet was not saved: %1 is a folder.").arg(shown(fleetPath));

    // Every ship is read before the folder is touched, so a fleet saved over its own file keeps
    // the ships whose files lie in that folder.
    for (ShipToSave& ship : ships) {
        QByteArray bytes;
        QString error;
        if (!readWholeFile(ship.sourcePath, kMaxShipFileBytes, bytes, &error))
            return QStringLiteral("The fleet was not saved: the ship file %1 could not be read:\r\n%2")
                .arg(shown(ship.sourcePath), error);
        QString name = copyNameFor(QFileInfo(ship.sourcePath).fileName());
        const auto taken = std::find_if(plan.copies.cbegin(), plan.copies.cend(),
                                        [&](const FleetCopy& c) { return sameName(c.name, name); });
        if (taken == plan.copies.cend()) {
            plan.copies << FleetCopy{name, bytes};
        } else if (taken->bytes != bytes) {
            name = freeName(name, plan.copies);
            plan.copies << FleetCopy{name, bytes};
        } else {
            name = taken->name;
        }
        ship.line.file = name;
    }

    QList<FleetFileLine> lines;
    for (const ShipToSave& ship : ships)
        lines << ship.line;
    QString problem;
    if (!writeFleetFile(lines, plan.fleetText, &problem))
        return QStringLiteral("The fleet was not saved: %1.").arg(problem);

    QStringList present;
    if (std::optional<QString> refusal = folderRefusal(fleetPath, plan.folder, present))
        return refusal;
    for (const QString& name : present) {
        if (std::none_of(plan.copies.cbegin(), plan.copies.cend(),
                         [&](const FleetCopy& c) { return sameFile(c.name, name); }))
            plan.stale << name;
    }
    return std::nullopt;
}

std::optional<QString> writeFleetSave(const FleetSavePlan& plan, bool* fleetWritten)
{
    *fleetWritten = false;
    if (!QDir().mkpath(plan.folder))
        return QStringLiteral("The fleet was not saved: the folder %1 could not be made.").arg(shown(plan.folder));
    QString error;
    for (const FleetCopy& copy : plan.copies) {
        const QString path = plan.folder + QLatin1Char('/') + copy.name;
        if (!saveFileAtomically(path, copy.bytes, &error))
            return QStringLiteral("The fleet was not saved: the ship file %1 could not be written:\r\n%2")
                .arg(shown(path), error);
    }
    if (!saveFileAtomically(plan.fleetPath, plan.fleetText, &error))
        return QStringLiteral("The fleet was not saved: the fleet file %1 could not be written:\r\n%2")
            .arg(shown(plan.fleetPath), error);
    *fleetWritten = true;
    QStringList kept;
    for (const QString& name : plan.stale) {
        const QString path = plan.folder + QLatin1Char('/') + name;
        if (!QFile::remove(path))
            kept << shown(path);
    }
    if (!kept.isEmpty())
        return QStringLiteral("The fleet was saved, but these ship files of the fleet it replaced could not be "
                              "removed:\r\n%1")
            .arg(kept.join(QStringLiteral("\r\n")));
    return std::nullopt;
}

} // namespace kw
