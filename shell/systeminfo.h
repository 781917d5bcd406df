#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kw {

class Registry;

inline const QString kNoSystemInfoMessage = QStringLiteral("System Information Is Unavailable At This Time");

// Where the system information tool may be found.
struct SystemInfoSearch {
    // Windows keeps the tool's place in the registry; null elsewhere.
    const Registry* registry = nullptr;
    std::function<bool(const QString&)> isFile;
    // The full path of a program found on the PATH; empty when there is none.
    std::function<QString(const QString&)> findOnPath;
};

// The tools looked for on the PATH, in order, where there is no registry entry for one.
QStringList systemInfoToolNames();

// The program to start for "&System Info...", if there is one.
std::optional<QString> findSystemInfoTool(const SystemInfoSearch& search);

} // namespace kw
