#include "model/shiprecord.h"

#include <QStringList>

namespace kw {

void NewShip(ShipRecord& ship)
{
    ship = ShipRecord{};
}

SalvoLink ShipRecord::salvoLink(int link) const
{
    if (link >= 1 && link <= SalvoLinks.size())
        return SalvoLinks[link - 1];
    if (LinkBeingMade && link == SalvoLinkCount())
        return *LinkBeingMade;
    return {};
}

void resetSalvoLinks(ShipRecord& ship)
{
    ship.SalvoLinks.clear();
    ship.LinkBeingMade.reset();
}

QString arcText(const std::array<bool, 6>& arcs)
{
    QStringList numbers;
    for (int a = 0; a < 6; ++a) {
        if (arcs[a])
            numbers << QString::number(a + 1);
    }
    return numbers.join(QLatin1Char(','));
}

} // namespace kw
