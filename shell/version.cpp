#include "shell/version.h"

namespace kw {

ProgramVersion programVersion()
{
    return {KEELWRIGHT_VERSION_MAJOR, KEELWRIGHT_VERSION_MINOR, KEELWRIGHT_VERSION_PATCH};
}

QString versionText(const ProgramVersion& version)
{
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

QString shortVersionLabel(const ProgramVersion& version)
{
    return QStringLiteral("Version %1.%2").arg(version.major).arg(version.minor);
}

QString fullVersionLabel(const ProgramVersion& version)
{
    return QStringLiteral("Version ") + versionText(version);
}

} // namespace kw
