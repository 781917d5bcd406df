#pragma once

#include "display/sheetgeometry.h"
#include "display/systemicon.h"

#include <QList>
#include <QString>
#include <array>

namespace kw {

// What DisplayHull draws on the schematic: armour row, damage track with its crew marks, the
// drive pictures and the streamlining caption.
struct HullPicture {
    int armourBoxes = 0;
    std::array<int, 4> trackRows{};
    std::array<QList<int>, 4> crewMarks;   // per row: 0-based boxes filled blue
    bool mdShown = false;
    QString mdText;                        // the main drive rating written on its picture
    enum class Ftl { Hidden, Standard, Tug } ftl = Ftl::Hidden;
    QString streamliningCaption;           // drawn at the top left; empty for none
    bool gridShown = true;

    bool operator==(const HullPicture&) const = default;
};

// The System Display: the schematic, the holding box and every system icon.
class DisplayModel {
public:
    SheetGeometry sheet;
    HullPicture hull;

    // The hidden template (element 0) from which icons grow their first row.
    IconContainer templateContainer = IconContainer::HoldingBox;
    float templateLeft = -kBaseIconTwips;
    float templateTop = 0;

    // The holding box's scrolled canvas.
    float holdingCanvasHeight = SheetDesign::holdingViewHeight;
    int holdingScrollMax = 0;
    int holdingScrollValue = 0;

    // The icons selected for moving and aligning, in selection order; the last one is the
    // reference icon that alignment measures from. The arrow keys act only while
    // SelectionActive is set.
    QList<int> SelectedIcons;
    bool SelectionActive = false;
    int SelectedCount() const { return static_cast<int>(SelectedIcons.size()); }

    int iconCount() const { return static_cast<int>(m_icons.size()); }
    // Icons are numbered from 1.
    SystemIcon& icon(int index) { return m_icons[index - 1]; }
    const SystemIcon& icon(int index) const { return m_icons[index - 1]; }
    const QList<SystemIcon>& icons() const { return m_icons; }

    // Creates the next icon (index n + 1) and returns it.
    SystemIcon& appendIcon(const QString& tag, IconContainer container, float left, float top, float width,
                           float height);
    void removeAllIcons();

    // The first icon with the given code, or 0.
    int findIcon(const QString& tag) const;
    QList<int> iconsWithCode(const QString& tag) const;
    // Whether every icon lies on the display (a design with no icons counts as placed).
    bool allPlaced() const;

    // Moves an icon between containers and positions; the icon keeps its index.
    void moveIcon(int index, IconContainer container, float left, float top);

    bool operator==(const DisplayModel&) const = default;

private:
    QList<SystemIcon> m_icons;
};

} // namespace kw
