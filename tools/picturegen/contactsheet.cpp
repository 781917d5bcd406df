#include "contactsheet.h"

#include "palette.h"
#include "pictures.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <vector>

namespace pg {

namespace {

constexpr int kZoom = 4;
constexpr int kSheetWidth = 1480;
constexpr int kLabelHeight = 18;
constexpr int kGap = 14;

struct Placed {
    const char *name;
    int x;
    int y;
};

struct Caption {
    QString text;
    int x;
    int y;
    QRgb colour;
};

struct Tile {
    QString label;
    QImage image; // 1:1, see-through where nothing was placed
};

QImage asSeeThrough(const Canvas &c)
{
    QImage out(c.width(), c.height(), QImage::Format_ARGB32);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const QRgb px = c.at(x, y);
            out.setPixel(x, y, px == pal::key ? qRgba(0, 0, 0, 0) : px);
        }
    return out;
}

void stack(QImage &target, const QImage &layer, int x, int y)
{
    QPainter p(&target);
    p.drawImage(x, y, layer);
}

Tile single(const Picture &pic)
{
    return {QString::fromLatin1(pic.name), asSeeThrough(render(pic))};
}

// Roughly how the program writes numbers over some pictures, to check they fit.
void caption(QImage &target, const Caption &cap)
{
    QPainter p(&target);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(QColor::fromRgb(cap.colour));
    p.drawText(QRect(cap.x, cap.y, 40, 12), Qt::AlignLeft | Qt::AlignTop, cap.text);
}

Tile combined(const QString &label, int w, int h, const std::vector<Placed> &parts,
              const std::vector<Caption> &captions = {})
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (const Placed &part : parts)
        stack(img, asSeeThrough(render(*findPicture(part.name))), part.x, part.y);
    for (const Caption &cap : captions)
        caption(img, cap);
    return {label, img};
}

Tile strip(const QString &label, int segments, const char *start, const char *middle, const char *end)
{
    std::vector<Placed> parts;
    for (int i = 0; i < segments; ++i)
        parts.push_back({i == 0 ? start : (i + 1 == segments ? end : middle), 21 * i, 0});
    return combined(label, 21 * segments, 21, parts);
}

std::vector<Tile> tiles()
{
    std::vector<Tile> out;
    for (const Picture &pic : pictures())
        out.push_back(single(pic));

    const std::vector<Placed> allOutlines = {{"Arc1", 0, 0}, {"Arc2", 0, 0}, {"Arc3", 0, 0},
                                             {"Arc4", 0, 0}, {"Arc5", 0, 0}, {"Arc6", 0, 0}};
    auto withArcs = [](const char *symbol, std::vector<Placed> arcs) {
        arcs.insert(arcs.begin(), Placed{symbol, 0, 0});
        return arcs;
    };
    const std::vector<Placed> mixed = {{"Arc1", 0, 0},  {"Arc2", 0, 0},  {"Arc3s", 0, 0},
                                       {"Arc4s", 0, 0}, {"Arc5s", 0, 0}, {"Arc6s", 0, 0}};
    out.push_back(combined(QStringLiteral("Battery 6 arcs"), 21, 21, withArcs("Battery", allOutlines),
                           {{QStringLiteral("10"), 6, 5, pal::black}}));
    out.push_back(combined(QStringLiteral("Battery mixed"), 21, 21, withArcs("Battery", mixed),
                           {{QStringLiteral("4"), 8, 5, pal::black}}));
    for (const char *symbol : {"NeedleBeam", "PulseTorp", "SalvoLauncher", "SalvoRack(ER)"})
        out.push_back(combined(QString::fromLatin1(symbol) + QStringLiteral(" arcs"), 21, 21,
                               withArcs(symbol, {{"Arc1s", 0, 0}, {"Arc2", 0, 0}, {"Arc3s", 0, 0},
                                                 {"Arc4", 0, 0}, {"Arc6s", 0, 0}})));
    out.push_back(strip(QStringLiteral("magazine x4"), 4, "SalvoMagStart", "SalvoMagMiddle", "SalvoMagEnd"));
    out.push_back(strip(QStringLiteral("mine layer x3"), 3, "MineLayerStart", "MineLayerMiddle", "MineLayerEnd"));
    out.push_back(combined(QStringLiteral("core"), 86, 33,
                           {{"CoreBorder", 0, 0}, {"Bridge", 5, 5}, {"LifeSupport", 32, 5}, {"Reactor", 59, 5}}));
    out.push_back(combined(QStringLiteral("MD 6 / FTL T"), 44, 21, {{"MD", 0, 0}, {"FTL", 23, 0}},
                           {{QStringLiteral("6"), 7, 2, pal::black}, {QStringLiteral("T"), 36, 9, pal::black}}));
    out.push_back(combined(QStringLiteral("Hangar 12"), 21, 50, {{"Hangar", 0, 0}},
                           {{QStringLiteral("12"), 5, 25, pal::white}}));
    return out;
}

} // namespace

QImage contactSheet()
{
    const std::vector<Tile> all = tiles();

    // Lay the tiles out in rows, left to right.
    struct Spot {
        int x, y;
    };
    std::vector<Spot> spots;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Tile &t : all) {
        const int w = std::max(t.image.width() * kZoom, 90);
        const int h = t.image.height() * kZoom + kLabelHeight;
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        spots.push_back({x, y});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }

    QImage sheet(kSheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setPen(QColor(225, 225, 225));
    for (int gx = 0; gx < sheet.width(); gx += 2 * kZoom * 5)
        p.drawLine(gx, 0, gx, sheet.height());
    for (int gy = 0; gy < sheet.height(); gy += 2 * kZoom * 5)
        p.drawLine(0, gy, sheet.width(), gy);

    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Tile &t = all[i];
        const QImage big = t.image.scaled(t.image.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.drawImage(spots[i].x, spots[i].y, big);
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(spots[i].x, spots[i].y + big.height() + 2, std::max(big.width(), 90), kLabelHeight - 2),
                   Qt::AlignLeft | Qt::AlignTop, t.label);
    }
    return sheet;
}

} // namespace pg
