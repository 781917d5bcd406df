#include "display/iconcatalog.h"

#include "model/numbertext.h"

#include <cmath>

namespace kw {

IconSize systemIconSize(const QString& code)
{
    constexpr float b = kBaseIconTwips;
    if (code == IconCode::FC)
        return {b / 2, b / 2};
    if (code == IconCode::Fighter)
        return {b * 20 / 21, b * 30 / 21};
    if (code == IconCode::PDS)
        return {b * 0.75f, b * 0.75f};
    if (code == IconCode::ADFC)
        return {b * 4 / 7, b * 4 / 7};
    if (code == IconCode::Nova)
        return {b * 30 / 21, b * 51 / 21};
    if (code == IconCode::Wave)
        return {b * 26 / 21, b * 40 / 21};
    if (code == IconCode::CSpace || code == IconCode::PSpace)
        return {b + 20, b * 1.5f};
    if (code == IconCode::Hangar)
        return {b, b * 50 / 21};
    return {b, b};
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
    if (mount.Kind == QLatin1String("Missile"))
        return {b, mount.Details == QLatin1String("EMP") ? b * 35 / 21 : b * 31 / 21};
    if (mount.Kind == QLatin1String("Mine Layer"))
        return {b * static_cast<float>(mineLayerSegments(mount.Details)), b};
    if (mount.Kind == QLatin1String("Salvo Magazine"))
        return {b * static_cast<float>(magazineSegments(mount.Details)), b};
    return {b, b};
}

} // namespace kw
