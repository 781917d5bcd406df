#include "display/keptlayout.h"

#include "display/displaymodel.h"
#include "display/iconbuilder.h"

#include <QHash>

namespace kw {

namespace {

// For each rebuilt icon (from index 1) the index of the icon it follows on `before`, or 0.
QList<int> formerIcons(const DisplayModel& before, const DisplayModel& rebuilt, const QList<int>& formerMounts)
{
    QHash<QString, QList<int>> systemIcons;   // code -> its icons, in order
    QHash<QString, int> weaponIcons;          // mount number at the last rebuild -> icon
    for (const SystemIcon& icon : before.icons()) {
        if (icon.isWeapon())
            weaponIcons.insert(icon.tag, icon.index);
        else
            systemIcons[icon.tag].append(icon.index);
    }
    QHash<QString, int> seen;
    QList<int> former(rebuilt.iconCount() + 1, 0);
    for (const SystemIcon& icon : rebuilt.icons()) {
        if (const std::optional<int> mount = icon.mountNumber()) {
            if (*mount >= 0 && *mount < formerMounts.size() && formerMounts[*mount] >= 0)
                former[icon.index] = weaponIcons.take(QString::number(formerMounts[*mount]));
        } else {
            const QList<int>& alike = systemIcons.value(icon.tag);
            const int k = seen[icon.tag]++;
            former[icon.index] = k < alike.size() ? alike[k] : 0;
        }
    }
    return former;
}

// The part of an icon that showed on the old display must show whole on the new one.
bool stillShows(const SystemIcon& icon, const TwipRect& oldDisplay, const TwipRect& newDisplay)
{
    const float left = qMax(icon.left, 0.0f);
    const float top = qMax(icon.top, 0.0f);
    const float right = qMin(icon.left + icon.width, oldDisplay.width);
    const float bottom = qMin(icon.top + icon.height, oldDisplay.height);
    return left < right && top < bottom && right <= newDisplay.width && bottom <= newDisplay.height;
}

} // namespace

QList<SalvoLink> keepLaidOutIcons(const DisplayModel& before, DisplayModel& rebuilt, const QList<int>& formerMounts,
                                  const QList<SalvoLink>& links)
{
    const QList<int> former = formerIcons(before, rebuilt, formerMounts);
    QHash<int, int> now;   // former index -> rebuilt index
    for (int i = 1; i <= rebuilt.iconCount(); ++i) {
        const int was = former[i];
        if (was == 0)
            continue;
        now.insert(was, i);
        const SystemIcon& old = before.icon(was);
        if (old.placed() && stillShows(old, before.sheet.display, rebuilt.sheet.display))
            rebuilt.moveIcon(i, IconContainer::Display, old.left, old.top);
    }
    layOutHoldingBox(rebuilt);

    QList<SalvoLink> kept;
    for (const SalvoLink& link : links) {
        const int launcher = now.value(link.launcher, 0);
        const int magazine = now.value(link.magazine, 0);
        if (launcher != 0 && magazine != 0)
            kept.append({launcher, magazine});
    }
    return kept;
}

} // namespace kw
