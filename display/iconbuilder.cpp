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
        float prevLeft = m_display.templateLeft;
        float prevTop = m_display.templateTop;
        float prevWidth = kBaseIconTwips;
        if (m_display.iconCount() > 0) {
            const SystemIcon& prev = m_display.icon(m_display.iconCount());
            prevLeft = prev.left;
            prevTop = prev.top;
            prevWidth = prev.width;
        }
        SystemIcon& icon = m_display.appendIcon(code, IconContainer::HoldingBox,
                                                prevLeft + prevWidth + SheetDesign::holdingIconGap, prevTop, size.width,
                                                size.height);
        if (m_paint)
            m_pictures.paint(icon, art);
        WrapHoldingRow(m_display, icon.index);
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
        sizeCanvas();
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

    void sizeCanvas()
    {
        float lastTop = m_display.templateTop;
        float lastHeight = kBaseIconTwips;
        if (m_display.iconCount() > 0) {
            lastTop = m_display.icon(m_display.iconCount()).top;
            lastHeight = m_display.icon(m_display.iconCount()).height;
        }
        const float view = m_display.sheet.holdingViewHeight;
        const auto bottom = static_cast<float>(roundHalfEven(lastTop + lastHeight));
        m_display.holdingCanvasHeight = bottom < view ? view : bottom;
        m_display.holdingScrollMax = static_cast<int>(roundHalfEven(m_display.holdingCanvasHeight - view));
        m_display.holdingScrollValue = 0;
    }

    DisplayModel& m_display;
    bool m_paint;
    IconPictureCache m_pictures;
};

} // namespace

void WrapHoldingRow(DisplayModel& display, int index)
{
    SystemIcon& icon = display.icon(index);
    if (icon.left + icon.width <= SheetDesign::holdingCanvasWidth - SheetDesign::holdingRightMargin)
        return;
    const float prevTop = index > 1 ? display.icon(index - 1).top : display.templateTop;
    icon.left = SheetDesign::holdingIconGap;
    icon.top = prevTop + 2 * icon.height;
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
