#include "display/iconbuilder.h"

#include "display/displaymodel.h"
#include "display/iconart.h"
#include "display/iconcatalog.h"
#include "model/rounding.h"

namespace kw {

namespace {

// Fills the holding box row by row, painting each icon's picture unless only the layout is
// wanted.
class HoldingBoxFiller {
public:
    HoldingBoxFiller(DisplayModel& display, bool paint) : m_display(display), m_paint(paint) {}

    void add(const QString& code, IconSize size, const IconArt& art = {})
    {
        SystemIcon& icon = m_display.appendIcon(code, IconContainer::HoldingBox, 0, 0, size.width, size.height);
        if (m_paint)
            m_pictures.paint(icon, art);
    }

    void build(const FittedSystems& systems, QList<WeaponEntry>& weapons)
    {
        m_display.removeAllIcons();
        m_display.templateContainer = IconContainer::HoldingBox;
        m_display.templateLeft = -kBaseIconTwips;
        m_display.templateTop = 0;

        for (const ShipSystemRow* row : systemsInIconOrder())
            addSystem(*row, systems);
        for (int m = 0; m < weapons.size(); ++m) {
            weapons[m].Number = m;
            IconArt art;
            art.mount = &weapons[m];
            add(QString::number(m), weaponIconSize(weapons[m]), art);
        }
        layOutHoldingBox(m_display);
    }

private:
    void addSystem(const ShipSystemRow& row, const FittedSystems& systems)
    {
        const qint64 count = iconCount(row, systems);
        const IconSize size{row.iconWidth, row.iconHeight};
        // A space box shows its share of the mass, a hangar bay its capacity.
        const QList<int> shares =
            row.storage == SystemStorage::Space ? spaceBoxShares(systems.amount(row.system)) : QList<int>();
        for (qint64 k = 0; k < count; ++k) {
            IconArt art;
            if (row.storage == SystemStorage::Space)
                art.share = shares[k];
            else if (row.storage == SystemStorage::Bays)
                art.capacity = systems.hangarBays[k];
            add(*row.iconCode, size, art);
        }
    }

    DisplayModel& m_display;
    bool m_paint;
    IconPictureCache m_pictures;
};

// The row spacing follows the icon that starts the new row.
void wrapRow(SystemIcon& icon, float prevTop)
{
    if (icon.left + icon.width <= SheetDesign::holdingCanvasWidth - SheetDesign::holdingRightMargin)
        return;
    icon.left = SheetDesign::holdingIconGap;
    icon.top = prevTop + 2 * icon.height;
}

} // namespace

void WrapHoldingRow(DisplayModel& display, int index)
{
    wrapRow(display.icon(index), index > 1 ? display.icon(index - 1).top : display.templateTop);
}

void layOutHoldingBox(DisplayModel& display)
{
    // Each icon follows the one before it in the box; the first follows the hidden template.
    const SystemIcon* prev = nullptr;
    for (int i = 1; i <= display.iconCount(); ++i) {
        SystemIcon& icon = display.icon(i);
        if (icon.placed())
            continue;
        const float prevTop = prev ? prev->top : display.templateTop;
        icon.left = (prev ? prev->left + prev->width : display.templateLeft + kBaseIconTwips) + SheetDesign::holdingIconGap;
        icon.top = prevTop;
        wrapRow(icon, prevTop);
        prev = &icon;
    }
    const float lastTop = prev ? prev->top : display.templateTop;
    const float lastHeight = prev ? prev->height : kBaseIconTwips;
    const float view = display.sheet.holdingViewHeight;
    const auto bottom = static_cast<float>(roundHalfEven(lastTop + lastHeight));
    display.holdingCanvasHeight = bottom < view ? view : bottom;
    display.holdingScrollMax = static_cast<int>(roundHalfEven(display.holdingCanvasHeight - view));
    display.holdingScrollValue = 0;
}

void BuildSystemIcons(DisplayModel& display, const FittedSystems& systems, QList<WeaponEntry>& weapons)
{
    HoldingBoxFiller(display, true).build(systems, weapons);
}

void layoutSystemIcons(DisplayModel& display, const FittedSystems& systems, QList<WeaponEntry>& weapons)
{
    HoldingBoxFiller(display, false).build(systems, weapons);
}

void addLoadedSystemIcon(DisplayModel& display, const QString& code, float left, float top, const IconArt& art,
                         IconPictureCache& pictures)
{
    const IconSize size = systemIconSize(code);
    SystemIcon& icon = display.appendIcon(code, IconContainer::Display, left, top, size.width, size.height);
    pictures.paint(icon, art);
}

void addLoadedWeaponIcon(DisplayModel& display, const WeaponEntry& mount, float left, float top,
                         IconPictureCache& pictures)
{
    const IconSize size = weaponIconSize(mount);
    SystemIcon& icon = display.appendIcon(QString::number(mount.Number), IconContainer::Display, left, top,
                                          size.width, size.height);
    IconArt art;
    art.mount = &mount;
    pictures.paint(icon, art);
}

} // namespace kw
