#include "display/iconcatalog.h"

#include "model/numbertext.h"
#include "model/shipsystems.h"
#include "model/weaponkinds.h"

#include <cmath>

namespace kw {

IconSize systemIconSize(const QString& code)
{
    if (const ShipSystemRow* row = systemWithIconCode(code))
        return {row->iconWidth, row->iconHeight};
    return {};
}

namespace {

// The whole part of a details text read as a number (0 when it is none), as the icons need it.
int detailsWholePart(const QString& details)
{
    const std::optional<double> value = parseNumber(details);
    if (!value)
        return 0;
    const double clamped = std::fmax(-1.0e6, std::fmin(1.0e6, *value));
    return static_cast<int>(std::trunc(clamped));
}

} // namespace

int magazineSegments(const QString& details)
{
    const int n = detailsWholePart(details) / 2;
    return qBound(1, n, kMaxIconSegments);
}

int mineLayerSegments(const QString& details)
{
    return qBound(1, detailsWholePart(details), kMaxIconSegments);
}

IconSize weaponIconSize(const WeaponEntry& mount)
{
    constexpr float b = kBaseIconTwips;
    if (mount.Kind == weaponKindText(WeaponKind::Missile))
        return {b, mount.Details == kEmpDetails ? b * 35 / 21 : b * 31 / 21};
    if (mount.Kind == weaponKindText(WeaponKind::MineLayer))
        return {b * static_cast<float>(mineLayerSegments(mount.Details)), b};
    if (mount.Kind == weaponKindText(WeaponKind::SalvoMagazine))
        return {b * static_cast<float>(magazineSegments(mount.Details)), b};
    return {b, b};
}

} // namespace kw
