#include "shell/programinfo.h"

#include <QStringList>

namespace kw {

QString webAddress()
{
    return QStringLiteral("https://keelwright.example.org/");
}

QString emailAddress()
{
    return QStringLiteral("shipwrights@keelwright.example.org");
}

QString creditLine()
{
    return QStringLiteral("Designed and built by the Keelwright shipwrights");
}

QString editionLine()
{
    return QStringLiteral("Follows the Starmarch construction rules, second edition");
}

QString updatesLine()
{
    return QStringLiteral("  Updates, information and downloads can be found at:");
}

QString contactLine()
{
    return QStringLiteral("Made by the Keelwright shipwrights: questions and ideas are welcome at:");
}

QString aboutDescription()
{
    return QStringList{
        QStringLiteral("Starmarch Keelwright creates ship schematics and record sheets"),
        QStringLiteral("for the Starmarch miniature wargame, and gathers the designs"),
        QStringLiteral("into fleets with printed rosters and orders sheets."),
        QStringLiteral("Starmarch is published by its own makers, who hold its rights."),
        QStringLiteral("Keelwright was written by the Keelwright shipwrights, players"),
        QStringLiteral("who wanted their designs checked and drawn the same way every time."),
        QStringLiteral("Keelwright is not affiliated with, nor endorsed by, the makers"),
        QStringLiteral("of Starmarch; it is a free tool made by players for players."),
        QStringLiteral("Questions about Keelwright go to its makers, never to the game's:"),
        QStringLiteral("write to the address below."),
    }
        .join(QStringLiteral("\r\n"));
}

QString legalNotice()
{
    return QStringLiteral("Provided as it is, without warranty of any kind; use it at your own risk.");
}

QString webLinkTarget()
{
    return webAddress();
}

QString emailLinkTarget()
{
    return QStringLiteral("mailto:") + emailAddress();
}

} // namespace kw
