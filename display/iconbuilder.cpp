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
            paintIconPicture(icon, art);
        WrapHoldingRow(m_display, icon.index);
    }

    void addCounted(const QString& code, qint64 count)
    {
        for (qint64 k = 0; k < count; ++k)
            add(code, systemIconSize(code));
    }

    void addSpaceBoxes(const QString& code, qint64 mass)
    {
        for (int share : spaceBoxShares(mass)) {
            IconArt art;
            art.share = share;
            add(code, systemIconSize(code), art);
        }
    }

    void build(const IconCounts& counts, QList<WeaponEntry>& weapons)
    {
        m_display.removeAllIcons();
        m_display.templateContainer = IconContainer::HoldingBox;
        m_display.templateLeft = -kBaseIconTwips;
        m_display.templateTop = 0;

        addCounted(IconCode::FC, counts.fcs);
        addCounted(IconCode::Screen, counts.screens);
        addCounted(IconCode::Fighter, counts.fighterBays);
        addCounted(IconCode::PDS, counts.pds);
        addCounted(IconCode::ADFC, counts.adfc);
        addCounted(IconCode::Reflex, counts.reflex ? 1 : 0);
        addCounted(IconCode::Cloak, counts.cloak ? 1 : 0);
        addCounted(IconCode::MineSweeper, counts.mineSweeper ? 1 : 0);
        addCounted(IconCode::Nova, counts.nova ? 1 : 0);
        addCounted(IconCode::Wave, counts.wave ? 1 : 0);
        addCounted(IconCode::ECM, counts.ecm ? 1 : 0);
        addCounted(IconCode::AreaECM, counts.areaEcm ? 1 : 0);
        addSpaceBoxes(IconCode::CSpace, counts.cargo);
        addSpaceBoxes(IconCode::PSpace, counts.passengers);
        addCounted(IconCode::ESensors, counts.sensors == 1 ? 1 : 0);
        addCounted(IconCode::SupSensors, counts.sensors == 2 ? 1 : 0);
        addCounted(IconCode::DCP, counts.dcps);
        for (int capacity : counts.hangars) {
            IconArt art;
            art.capacity = capacity;
            add(IconCode::Hangar, systemIconSize(IconCode::Hangar), art);
        }
        for (int m = 0; m < weapons.size(); ++m) {
            weapons[m].Number = m;
            IconArt art;
            art.mount = &weapons[m];
            add(QString::number(m), weaponIconSize(weapons[m]), art);
        }
        sizeCanvas();
    }

private:
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

void BuildSystemIcons(DisplayModel& display, const IconCounts& counts, QList<WeaponEntry>& weapons)
{
    HoldingBoxFiller(display, true).build(counts, weapons);
}

void layoutSystemIcons(DisplayModel& display, const IconCounts& counts, QList<WeaponEntry>& weapons)
{
    HoldingBoxFiller(display, false).build(counts, weapons);
}

void addLoadedSystemIcon(DisplayModel& display, const QString& code, float left, float top, const IconArt& art)
{
    const IconSize size = systemIconSize(code);
    SystemIcon& icon = display.appendIcon(code, IconContainer::Display, left, top, size.width, size.height);
    paintIconPicture(icon, art);
}

void addLoadedWeaponIcon(DisplayModel& display, const WeaponEntry& mount, float left, float top)
{
    const IconSize size = weaponIconSize(mount);
    SystemIcon& icon = display.appendIcon(QString::number(mount.Number), IconContainer::Display, left, top,
                                          size.width, size.height);
    IconArt art;
    art.mount = &mount;
    paintIconPicture(icon, art);
}

} // namespace kw
