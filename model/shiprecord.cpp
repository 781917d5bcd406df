#include "model/shiprecord.h"

#include <QStringList>

namespace kw {

void NewShip(ShipRecord& ship)
{
    ship = ShipRecord{};
}

bool hasFtlDrive(const QString& ftl)
{
    return ftl.compare(QLatin1String("Standard"), Qt::CaseInsensitive) == 0 || isTugDrive(ftl);
}

bool isTugDrive(const QString& ftl)
{
    return ftl.compare(QLatin1String("Tug"), Qt::CaseInsensitive) == 0;
}

void resetSalvoLinks(ShipRecord& ship)
{
    ship.SalvoLauncherIcon = {0};
    ship.SalvoMagazineIcon = {0};
    ship.SalvoLinkCount = 0;
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
