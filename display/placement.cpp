#include "display/placement.h"

#include "display/displaymodel.h"

#include <algorithm>
#include <cmath>

namespace kw {

namespace {

bool validIcon(const DisplayModel& display, int icon)
{
    return icon >= 1 && icon <= display.iconCount();
}

bool strictlyBetween(float value, double a, double b)
{
    return value > std::min(a, b) && value < std::max(a, b);
}

// Hit tests work on the pixels the icons are painted on, so a click lands on what the user sees.
QPoint pixelOf(QPointF twips)
{
    return {static_cast<int>(std::floor(twips.x() / kTwipsPerPixel)),
            static_cast<int>(std::floor(twips.y() / kTwipsPerPixel))};
}

int topmostIconAt(const DisplayModel& display, QPointF at, IconContainer container)
{
    const QPoint pixel = pixelOf(at);
    for (int i = display.iconCount(); i >= 1; --i) {
        const SystemIcon& icon = display.icon(i);
        if (icon.container == container && pixelRect(icon.rect()).contains(pixel))
            return i;
    }
    return 0;
}

} // namespace

void clearSelection(DisplayModel& display)
{
    display.SelectedIcons.clear();
    display.SelectionActive = false;
}

void selectBand(DisplayModel& display, QPointF from, QPointF to)
{
    clearSelection(display);
    for (const SystemIcon& icon : display.icons()) {
        if (icon.placed() && strictlyBetween(icon.left, from.x(), to.x()) && strictlyBetween(icon.top, from.y(), to.y()))
            display.SelectedIcons.append(icon.index);
    }
    display.SelectionActive = !display.SelectedIcons.isEmpty();
}

void clickSelect(DisplayModel& display, int icon, bool shift)
{
    if (!validIcon(display, icon) || !display.icon(icon).placed())
        return;
    QList<int>& selected = display.SelectedIcons;
    const qsizetype at = selected.indexOf(icon);
    if (shift) {
        if (at >= 0)
            selected.removeAt(at);
        else
            selected.append(icon);
    } else if (display.SelectionActive && at >= 0) {
        selected.swapItemsAt(at, selected.size() - 1);
    } else {
        selected = {icon};
    }
    display.SelectionActive = !selected.isEmpty();
}

void dropOnDisplay(DisplayModel& display, int icon, QPointF at, QPointF grab)
{
    if (!validIcon(display, icon))
        return;
    display.moveIcon(icon, IconContainer::Display, static_cast<float>(at.x() - grab.x()),
                     static_cast<float>(at.y() - grab.y()));
}

bool dropOnIcon(DisplayModel& display, int icon, int target, QPointF atInTarget, QPointF grab)
{
    if (icon != target || !validIcon(display, icon) || !display.icon(icon).placed())
        return false;
    const SystemIcon& t = display.icon(target);
    dropOnDisplay(display, icon, QPointF(t.left, t.top) + atInTarget, grab);
    return true;
}

void dropInHoldingBox(DisplayModel& display, int icon, QPointF at, QPointF grab)
{
    if (!validIcon(display, icon))
        return;
    display.moveIcon(icon, IconContainer::HoldingBox, static_cast<float>(at.x() - grab.x()),
                     static_cast<float>(at.y() - grab.y()));
    // A marker on the display around an icon that is no longer there would only confuse, and
    // the arrow keys must not move icons inside the holding box.
    display.SelectedIcons.removeAll(icon);
    display.SelectionActive = !display.SelectedIcons.isEmpty();
}

void nudgeSelection(DisplayModel& display, int dxPixels, int dyPixels)
{
    for (int index : display.SelectedIcons) {
        if (!validIcon(display, index))
            continue;
        SystemIcon& icon = display.icon(index);
        icon.left += static_cast<float>(dxPixels) * kTwipsPerPixel;
        icon.top += static_cast<float>(dyPixels) * kTwipsPerPixel;
    }
}

bool alignSelection(DisplayModel& display, Alignment alignment)
{
    if (display.SelectedCount() < 2 || !validIcon(display, display.SelectedIcons.last()))
        return false;
    const SystemIcon reference = display.icon(display.SelectedIcons.last());
    for (int k = 0; k + 1 < display.SelectedCount(); ++k) {
        if (!validIcon(display, display.SelectedIcons[k]))
            continue;
        SystemIcon& s = display.icon(display.SelectedIcons[k]);
        switch (alignment) {
        case Alignment::Tops:
            s.top = reference.top;
            break;
        case Alignment::Middles:
            s.top = reference.top + reference.height / 2 - s.height / 2;
            break;
        case Alignment::Bottoms:
            s.top = reference.top + reference.height - s.height;
            break;
        case Alignment::Lefts:
            s.left = reference.left;
            break;
        case Alignment::Centers:
            s.left = reference.left + reference.width / 2 - s.width / 2;
            break;
        case Alignment::Rights:
            s.left = reference.left + reference.width - s.width;
            break;
        }
    }
    return true;
}

QList<SelectionMarker> selectionMarkers(const DisplayModel& display)
{
    QList<SelectionMarker> markers;
    for (int k = 0; k < display.SelectedCount(); ++k) {
        const int index = display.SelectedIcons[k];
        if (!validIcon(display, index))
            continue;
        const QRect icon = pixelRect(display.icon(index).rect());
        markers.append({index, icon.adjusted(-1, -1, 1, 1), k + 1 == display.SelectedCount()});
    }
    return markers;
}

int placedIconAt(const DisplayModel& display, QPointF at)
{
    return topmostIconAt(display, at, IconContainer::Display);
}

int holdingIconAt(const DisplayModel& display, QPointF at)
{
    return topmostIconAt(display, at, IconContainer::HoldingBox);
}

DisplayHit hitDisplay(const DisplayModel& display, QPointF at)
{
    if (const int icon = placedIconAt(display, at))
        return {DisplayHit::Kind::Icon, icon};
    const SheetGeometry& g = display.sheet;
    QList<TwipRect> pictures{g.coreBorder, g.bridge, g.lifeSupport, g.reactor};
    if (display.hull.ftl != HullPicture::Ftl::Hidden)
        pictures << g.ftl;
    if (display.hull.mdShown)
        pictures << g.md;
    const QPoint pixel = pixelOf(at);
    for (const TwipRect& picture : pictures) {
        if (pixelRect(picture).contains(pixel))
            return {DisplayHit::Kind::FixedPicture, 0};
    }
    return {};
}

} // namespace kw
