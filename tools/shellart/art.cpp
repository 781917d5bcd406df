#include "art.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {

namespace {

const QColor kSpaceTop(8, 16, 38);
const QColor kSpaceBottom(26, 48, 92);
const QColor kGrid(120, 170, 230, 34);
const QColor kLine(150, 215, 255);
const QColor kHullLight(205, 214, 228);
const QColor kHullDark(104, 118, 142);
const QColor kGlow(255, 170, 60);
const QColor kTitle(236, 242, 252);

// The same stars on every machine: a small generator of our own, not the library's.
class Stars {
public:
    explicit Stars(quint32 seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1 << 24);
    }

private:
    quint32 m_state;
};

QString titleFamily()
{
    static const QString family = [] {
        for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                 "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            if (id >= 0)
                return QFontDatabase::applicationFontFamilies(id).value(0);
        }
        return QStringLiteral("Sans Serif");
    }();
    return family;
}

void paintSpace(QPainter& p, const QRectF& area, quint32 seed, int starCount, double gridStep)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, kSpaceTop);
    sky.setColorAt(1, kSpaceBottom);
    p.fillRect(area, sky);
    p.setPen(QPen(kGrid, 1));
    for (double x = area.left() + gridStep / 2; x < area.right(); x += gridStep)
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    for (double y = area.top() + gridStep / 2; y < area.bottom(); y += gridStep)
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    Stars stars(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < starCount; ++i) {
        const QPointF at(area.left() + stars.next() * area.width(), area.top() + stars.next() * area.height());
        const double r = 0.35 + stars.next() * 0.9;
        p.setBrush(QColor(255, 255, 255, 90 + int(stars.next() * 150)));
        p.drawEllipse(at, r, r);
    }
}

// The ship from the side, bow to the right, filling `box`.
void paintShipSide(QPainter& p, const QRectF& box)
{
    auto at = [&box](double x, double y) { return QPointF(box.left() + x * box.width(), box.top() + y * box.height()); };
    // The drive's glow behind the stern.
    QRadialGradient glow(at(0.03, 0.56), box.width() * 0.12);
    glow.setColorAt(0, QColor(255, 236, 190, 230));
    glow.setColorAt(0.35, QColor(kGlow.red(), kGlow.green(), kGlow.blue(), 150));
    glow.setColorAt(1, QColor(kGlow.red(), kGlow.green(), kGlow.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at(0.03, 0.56), box.width() * 0.12, box.height() * 0.35);

    QPainterPath hull;
    hull.moveTo(at(0.06, 0.34));
    hull.lineTo(at(0.22, 0.30));
    hull.lineTo(at(0.30, 0.16));
    hull.lineTo(at(0.50, 0.16));
    hull.lineTo(at(0.56, 0.30));
    hull.lineTo(at(0.82, 0.36));
    hull.lineTo(at(1.00, 0.52));
    hull.lineTo(at(0.84, 0.70));
    hull.lineTo(at(0.40, 0.80));
    hull.lineTo(at(0.18, 0.78));
    hull.lineTo(at(0.06, 0.72));
    hull.closeSubpath();
    QLinearGradient metal(at(0, 0.16), at(0, 0.80));
    metal.setColorAt(0, kHullLight);
    metal.setColorAt(1, kHullDark);
    p.setBrush(metal);
    p.setPen(QPen(kLine, qMax(1.0, box.height() / 60)));
    p.drawPath(hull);

    // The keel, the deck lines and the ports: the draughtsman's marks.
    p.setPen(QPen(QColor(40, 70, 120), qMax(1.0, box.height() / 90)));
    p.drawLine(at(0.10, 0.64), at(0.86, 0.60));
    p.drawLine(at(0.24, 0.42), at(0.80, 0.44));
    p.setBrush(QColor(255, 226, 140));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(at(0.30 + i * 0.065, 0.52), box.height() / 40, box.height() / 40);
    // The drive block at the stern.
    p.setBrush(QColor(70, 80, 100));
    p.setPen(QPen(kLine, qMax(1.0, box.height() / 60)));
    p.drawRect(QRectF(at(0.02, 0.40), at(0.08, 0.68)));
}

void paintTitle(QPainter& p, const QPointF& topLeft, double size)
{
    QFont small(titleFamily());
    small.setPixelSize(int(size * 0.36));
    small.setLetterSpacing(QFont::AbsoluteSpacing, size * 0.12);
    p.setFont(small);
    p.setPen(kLine);
    p.drawText(topLeft + QPointF(size * 0.04, size * 0.36), QStringLiteral("STARMARCH"));
    QFont big(titleFamily());
    big.setPixelSize(int(size));
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(topLeft + QPointF(2, size * 1.28 + 2), QStringLiteral("Keelwright"));
    p.setPen(kTitle);
    p.drawText(topLeft + QPointF(0, size * 1.28), QStringLiteral("Keelwright"));
}

} // namespace

QImage splash()
{
    QImage image(480, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSpace(p, image.rect(), 1512u, 140, 24);
    paintTitle(p, QPointF(28, 22), 44);
    paintShipSide(p, QRectF(70, 118, 380, 120));
    // The band the window writes the version and the credit on.
    p.fillRect(QRectF(0, 258, 480, 42), QColor(4, 9, 22, 210));
    p.setPen(QPen(kLine, 1));
    p.drawLine(QPointF(0, 258.5), QPointF(480, 258.5));
    return image;
}

QImage header()
{
    QImage image(396, 92, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSpace(p, image.rect(), 2024u, 60, 16);
    paintTitle(p, QPointF(16, 8), 36);
    paintShipSide(p, QRectF(262, 24, 124, 44));
    return image;
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QLinearGradient sky(QPointF(0, 2), QPointF(0, 62));
    sky.setColorAt(0, kSpaceTop);
    sky.setColorAt(1, kSpaceBottom);
    p.fillPath(tile, sky);
    p.setPen(QPen(kLine, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);

    // The ship from above, bow up, with its keel down the middle.
    QRadialGradient glow(QPointF(32, 54), 10);
    glow.setColorAt(0, QColor(255, 236, 190, 240));
    glow.setColorAt(1, QColor(kGlow.red(), kGlow.green(), kGlow.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(32, 54), 10, 8);
    QPainterPath hull;
    hull.moveTo(32, 8);
    hull.lineTo(42, 30);
    hull.lineTo(46, 48);
    hull.lineTo(38, 52);
    hull.lineTo(26, 52);
    hull.lineTo(18, 48);
    hull.lineTo(22, 30);
    hull.closeSubpath();
    QLinearGradient metal(QPointF(18, 0), QPointF(46, 0));
    metal.setColorAt(0, kHullDark);
    metal.setColorAt(0.5, kHullLight);
    metal.setColorAt(1, kHullDark);
    p.setBrush(metal);
    p.setPen(QPen(kLine, 1.8));
    p.drawPath(hull);
    p.setPen(QPen(QColor(30, 60, 110), 2.4));
    p.drawLine(QPointF(32, 14), QPointF(32, 50));
    return image;
}

} // namespace art
