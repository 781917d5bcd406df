#include "shell/systeminfo.h"

#include "shell/registry.h"

namespace kw {

QStringList systemInfoToolNames()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

std::optional<QString> findSystemInfoTool(const SystemInfoSearch& search)
{
    if (search.registry) {
        const Registry& registry = *search.registry;
        if (const std::optional<QString> path = registry.GetKeyValue(
                RegistryRoot::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH")))
            return path;
        if (const std::optional<QString> folder = registry.GetKeyValue(
                RegistryRoot::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"))) {
            const QString path = *folder + QStringLiteral("\\MSINFO32.EXE");
            if (search.isFile && search.isFile(path))
                return path;
        }
        return std::nullopt;
    }
    if (!search.findOnPath)
        return std::nullopt;
    for (const QString& name : systemInfoToolNames()) {
        const QString found = search.findOnPath(name);
        if (!found.isEmpty())
            return found;
    }
    return std::nullopt;
}

} // namespace kw
