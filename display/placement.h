#pragma once

#include <QList>
#include <QPointF>
#include <QRect>

namespace kw {

class DisplayModel;

// The items of the "Alignment Options" menu, separator left out.
enum class Alignment { Tops, Middles, Bottoms, Lefts, Centers, Rights };

// A selection marker in display pixels: one pixel outside its icon all round. The reference
// icon's marker is solid, the others dotted.
struct SelectionMarker {
    int icon = 0;
    QRect rect;
    bool reference = false;
};

// What lies under a point of the display (display twips), as a drop target.
struct DisplayHit {
    enum class Kind { Background, Icon, FixedPicture } kind = Kind::Background;
    int icon = 0;   // for Kind::Icon
};

// Pure placement operations on the System Display model. Positions are display twips; the
// caller decides whether the user may do them at all.

// Empties the selection; the arrow keys stop acting.
void clearSelection(DisplayModel& display);

// Selects every placed icon whose top-left corner lies strictly inside the band, in index
// order. The band may be drawn in any direction.
void selectBand(DisplayModel& display, QPointF from, QPointF to);

// A left click on a placed icon: with Shift it joins or leaves the selection; without, a
// selected icon becomes the reference and any other icon becomes the whole selection. Icons in
// the holding box are not selectable.
void clickSelect(DisplayModel& display, int icon, bool shift);

// The icon's top-left corner goes to the drop point less the grab offset.
void dropOnDisplay(DisplayModel& display, int icon, QPointF at, QPointF grab);
// A drop onto an icon moves only an icon dropped onto itself; returns whether it moved.
bool dropOnIcon(DisplayModel& display, int icon, int target, QPointF atInTarget, QPointF grab);
// Back into the holding box (holding canvas twips); the icon leaves the selection.
void dropInHoldingBox(DisplayModel& display, int icon, QPointF at, QPointF grab);

// Moves every selected icon by whole pixels.
void nudgeSelection(DisplayModel& display, int dxPixels, int dyPixels);

// Lines the selected icons up with the reference icon, which stays put. Needs two or more
// selected icons; returns whether anything was aligned.
bool alignSelection(DisplayModel& display, Alignment alignment);

QList<SelectionMarker> selectionMarkers(const DisplayModel& display);

// The topmost placed icon under the point, or 0.
int placedIconAt(const DisplayModel& display, QPointF at);
// The drop target under the point: an icon, one of the fixed pictures, or the background.
DisplayHit hitDisplay(const DisplayModel& display, QPointF at);
// The topmost holding-box icon under a point of the holding canvas, or 0.
int holdingIconAt(const DisplayModel& display, QPointF at);

} // namespace kw
