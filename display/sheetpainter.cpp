#include "display/sheetpainter.h"

#include "display/displaymodel.h"
#include "display/fixedpictures.h"
#include "display/sheetfonts.h"

#include <QHash>
#include <QPainter>

namespace kw {

namespace {

const QColor kGrid(192, 192, 192);
const QColor kCrewMark(0, 0, 255);

QPointF toPixels(QPointF twips)
{
    return twips / kTwipsPerPixel;
}

// Boxes beyond the display's right edge cannot be seen; a file with absurd counts must not
// make painting crawl.
int visibleBoxes(const DisplayModel& display, int boxes)
{
    const float pitch = SheetDesign::trackBoxSize + SheetDesign::trackBoxGap;
    const int fit = static_cast<int>(display.sheet.display.width / pitch) + 2;
    return qBound(0, boxes, fit);
}

void paintFixedPictures(QPainter& p, const DisplayModel& display, int detail = 1)
{
    const SheetGeometry& g = display.sheet;
    static const QImage border = corePicture("CoreBorder", 86, 33);
    static const QImage bridge = corePicture("Bridge", 23, 23);
    static const QImage life = corePicture("LifeSupport", 23, 23);
    static const QImage reactor = corePicture("Reactor", 23, 23);
    p.drawImage(pixelRect(g.coreBorder).topLeft(), border);
    p.drawImage(pixelRect(g.bridge).topLeft(), bridge);
    p.drawImage(pixelRect(g.lifeSupport).topLeft(), life);
    p.drawImage(pixelRect(g.reactor).topLeft(), reactor);
    if (display.hull.ftl != HullPicture::Ftl::Hidden)
        p.drawImage(pixelRect(g.ftl).topLeft(), ftlPicture(display.hull.ftl == HullPicture::Ftl::Tug, detail));
    if (display.hull.mdShown)
        p.drawImage(pixelRect(g.md).topLeft(), mainDrivePicture(display.hull.mdText, detail));
}

void paintIcons(QPainter& p, const DisplayModel& display, int detail = 1)
{
    for (const SystemIcon& icon : display.icons()) {
        if (!icon.placed())
            continue;
        p.drawImage(pixelRect(icon.rect()).topLeft(), iconPictureAt(icon, detail));
    }
}

void paintLinks(QPainter& p, const QList<QLineF>& links)
{
    p.setPen(QPen(Qt::black, 1));
    for (const QLineF& line : links)
        p.drawLine(QLineF(toPixels(line.p1()), toPixels(line.p2())));
}

void paintTrackBoxes(QPainter& p, const DisplayModel& display)
{
    const HullPicture& hull = display.hull;
    p.setPen(QPen(Qt::black, 1));
    for (int r = 0; r < 4; ++r) {
        const int boxes = visibleBoxes(display, hull.trackRows[r]);
        for (int i = 0; i < boxes; ++i) {
            const QRect box = pixelRect(display.sheet.trackBox(r, i));
            p.setBrush(hull.crewMarks[r].contains(i) ? kCrewMark : QColor(Qt::white));
            p.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
    p.setBrush(Qt::NoBrush);
}

void paintArmourCircles(QPainter& p, const DisplayModel& display)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    const int boxes = visibleBoxes(display, display.hull.armourBoxes);
    for (int i = 0; i < boxes; ++i) {
        const QRect box = pixelRect(display.sheet.armourBox(i));
        const double r = box.width() / 2.0 - 0.5;
        p.drawEllipse(QPointF(box.left() + r, box.top() + r), r, r);
    }
}

} // namespace

namespace {

// Runs the drawing with the painter's enlargement taken off and the font enlarged instead;
// places go through `map`.
template <typename Draw>
void withTextUnscaled(QPainter& p, const QFont& font, Draw draw)
{
    const QTransform world = p.worldTransform();
    const double factor = world.m11();
    if (world.type() != QTransform::TxScale || factor <= 0 || !qFuzzyCompare(factor, world.m22())
        || qFuzzyCompare(factor, 1.0)) {
        p.setFont(font);
        draw(QTransform());
        return;
    }
    p.save();
    p.setWorldTransform(QTransform::fromTranslate(world.dx(), world.dy()));
    p.setFont(scaledFont(font, factor));
    draw(QTransform::fromScale(factor, factor));
    p.restore();
}

} // namespace

void drawSheetText(QPainter& p, QPointF at, const QFont& font, const QString& text)
{
    withTextUnscaled(p, font, [&](const QTransform& map) { p.drawText(map.map(at), text); });
}

void drawSheetText(QPainter& p, const QRectF& rect, int flags, const QFont& font, const QString& text)
{
    withTextUnscaled(p, font, [&](const QTransform& map) { p.drawText(map.mapRect(rect), flags, text); });
}

const QImage& iconPictureAt(const SystemIcon& icon, int detail)
{
    // An icon without a look (made without art) has only its own picture.
    if (detail <= 1 || icon.look.width <= 0)
        return icon.picture;
    // Kept while views ask for them; a design of thousands of icons has few looks.
    static QHash<std::pair<IconLook, int>, QImage> pictures;
    const std::pair<IconLook, int> key{icon.look, detail};
    if (const auto found = pictures.constFind(key); found != pictures.cend())
        return *found;
    if (pictures.size() >= 2048)
        pictures.clear();
    return *pictures.insert(key, paintIconLook(icon.look, detail));
}

QLineF salvoLinkLine(const DisplayModel& display, int launcherIcon, int magazineIcon)
{
    if (launcherIcon < 1 || launcherIcon > display.iconCount() || magazineIcon < 1 || magazineIcon > display.iconCount())
        return {};
    const SystemIcon& l = display.icon(launcherIcon);
    const SystemIcon& m = display.icon(magazineIcon);
    return {QPointF(l.left + l.width / 2, l.top + l.height), QPointF(m.left + m.width / 2, m.top)};
}

QSize displayPixelSize(const DisplayModel& display)
{
    const QRect r = pixelRect(display.sheet.display);
    return {qMax(1, r.width()), qMax(1, r.height())};
}

void paintSchematic(QPainter& p, const DisplayModel& display, const QList<QLineF>& links, int detail)
{
    const QSize size = displayPixelSize(display);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (display.hull.gridShown) {
        p.setPen(kGrid);
        for (int x = 8; x <= size.width(); x += 8)
            p.drawLine(x, 0, x, size.height());
        for (int y = 8; y <= size.height(); y += 8)
            p.drawLine(0, y, size.width(), y);
    }
    if (!display.hull.streamliningCaption.isEmpty()) {
        p.setPen(Qt::black);
        const QPointF at = toPixels({50, 30});
        drawSheetText(p, QPointF(at.x(), at.y() + QFontMetricsF(captionFont()).ascent()), captionFont(),
                      display.hull.streamliningCaption);
    }
    // Shapes and lines lie under the pictures, as on the editor's display.
    paintArmourCircles(p, display);
    paintTrackBoxes(p, display);
    paintLinks(p, links);
    paintFixedPictures(p, display, detail);
    paintIcons(p, display, detail);
}

QImage composeRecordSheet(const DisplayModel& display, const QList<QLineF>& links)
{
    const QSize size = displayPixelSize(display);
    QImage sheet(size, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    paintFixedPictures(p, display);
    paintIcons(p, display);
    paintArmourCircles(p, display);
    paintTrackBoxes(p, display);
    paintLinks(p, links);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return sheet;
}

} // namespace kw
