#pragma once

#include <QImage>
#include <QLineF>
#include <QList>

class QFont;
class QPainter;

namespace kw {

class DisplayModel;
struct SystemIcon;

// A salvo link line in display twips: from the launcher's bottom centre to the magazine's top
// centre.
QLineF salvoLinkLine(const DisplayModel& display, int launcherIcon, int magazineIcon);

// Text of the sheet drawn by a painter that may enlarge: laid out in the enlarged font rather
// than enlarged after its layout, which would spread the letters apart. The first form starts
// the baseline at `at`; the second aligns the text in the rectangle.
void drawSheetText(QPainter& painter, QPointF at, const QFont& font, const QString& text);
void drawSheetText(QPainter& painter, const QRectF& rect, int flags, const QFont& font, const QString& text);

// The icon's picture with `detail` device pixels to each of its pixels (its own picture at 1).
const QImage& iconPictureAt(const SystemIcon& icon, int detail);

// The schematic as the editor shows it, painted at the display's top-left in pixels: grid,
// streamlining caption, armour and track shapes, link lines, the fixed pictures and every
// icon placed on it. A painter that enlarges passes how many of its device pixels make a
// pixel of the display (rounded up), so the pictures' text is painted at that finer size.
void paintSchematic(QPainter& painter, const DisplayModel& display, const QList<QLineF>& links, int detail = 1);

// The record sheet as a flat picture of the display's pixel size: no grid, no caption, the
// pictures at their places, armour circles, filled track boxes, link lines and a one-pixel
// black frame.
QImage composeRecordSheet(const DisplayModel& display, const QList<QLineF>& links);

// The display's size in pixels.
QSize displayPixelSize(const DisplayModel& display);

} // namespace kw
