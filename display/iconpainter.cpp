#include "display/iconart.h"

#include "display/iconcatalog.h"
#include "display/sheetfonts.h"
#include "display/systemicon.h"
#include "display/systempictures.h"
#include "model/shipsystems.h"
#include "model/weaponkinds.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace kw {

namespace {

// A picture being painted with `scale` device pixels to each of its pixels. Places are given
// in its own pixels: bitmaps are enlarged pixel for pixel, painters draw at the finer size.
struct Canvas {
    QImage image;
    int scale = 1;
    int width = 0;
    int height = 0;
};

Canvas blankCanvas(int width, int height, int scale)
{
    Canvas c{QImage(width * scale, height * scale, QImage::Format_RGB32), scale, width, height};
    c.image.fill(Qt::white);
    c.image.setDevicePixelRatio(scale);
    return c;
}

void blit(Canvas& c, const QImage& picture, int x, int y)
{
    if (c.scale == 1 || picture.isNull()) {
        PaintTransparent(c.image, picture, x, y);
        return;
    }
    // Nearest neighbour keeps the key colour exact and the pixel art square.
    const QImage enlarged = picture.scaled(picture.size() * c.scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    PaintTransparent(c.image, enlarged, x * c.scale, y * c.scale);
}

const QImage& pic(const char* name)
{
    return SystemPictures::instance().picture(QString::fromLatin1(name));
}

void writeText(Canvas& c, const QFont& font, const QString& text, double left, double top,
               QColor colour = Qt::black)
{
    QPainter p(&c.image);
    // Placed by the metrics of the sheet's font, so the text stands where it does at 100 %.
    p.setFont(c.scale > 1 ? smoothFont(font) : font);
    p.setPen(colour);
    const QFontMetrics metrics(font);
    p.drawText(QPointF(left, top + metrics.ascent()), text);
}

void paintSpaceBox(Canvas& c, int share, QChar letter)
{
    const int w = c.width;
    const int h = c.height;
    {
        QPainter p(&c.image);
        // A line a pixel wide covers whole device pixels of the enlarged box, on every side.
        if (c.scale > 1)
            p.translate(0.5, 0.5);
        p.setPen(Qt::black);
        p.drawLine(0, 0, w - 1, 0);
        p.drawLine(w - 1, 0, w - 1, h - 1);
        p.drawLine(w - 1, h - 1, 0, h - 1);
        p.drawLine(0, 0, 0, h);
    }
    const QFont& font = windowFont();
    const QFontMetrics m(font);
    const QString s = QString::number(share);
    const QString l(letter);
    writeText(c, font, s, (w - 1) / 2.0 - m.horizontalAdvance(s) / 2.0 - 2, h - m.height() - 3);
    writeText(c, font, l, w / 2.0 - m.horizontalAdvance(l) / 2.0, 3);
}

void paintHangar(Canvas& c, const char* picture, int capacity)
{
    blit(c, pic(picture), 0, 0);
    const QFont& font = windowFont();
    const QString text = QString::number(capacity);
    writeText(c, font, text, c.width / 2.0 - QFontMetrics(font).horizontalAdvance(text) / 2.0 + 0.5, c.height / 2.0,
              Qt::white);
}

void paintArcMarks(Canvas& c, int arcs, bool full)
{
    for (int a = 0; a < 6; ++a) {
        const QString n = QString::number(a + 1);
        if (arcs & (1 << a))
            blit(c, SystemPictures::instance().picture(QStringLiteral("Arc") + n), 0, 0);
        else if (full)
            blit(c, SystemPictures::instance().picture(QStringLiteral("Arc") + n + QLatin1Char('s')), 0, 0);
    }
}

// Start piece at the left, end piece at the right, middles filling in from the right.
void paintSegments(Canvas& c, int segments, const char* start, const char* middle, const char* end)
{
    const int w = c.width;
    const int w0 = 21;
    blit(c, pic(start), 0, 0);
    blit(c, pic(end), w - w0, 0);
    for (int k = 2; k <= segments - 1; ++k)
        blit(c, pic(middle), w - k * w0, 0);
}

void paintWeapon(Canvas& c, const IconLook& look)
{
    if (look.kind < 0)
        return;
    switch (static_cast<WeaponKind>(look.kind)) {
    case WeaponKind::OrtillerySystem:
        blit(c, pic("Ortillery"), 0, 0);
        break;
    case WeaponKind::NeedleBeam:
        blit(c, pic("NeedleBeam"), 0, 0);
        paintArcMarks(c, look.arcs, true);
        break;
    case WeaponKind::Missile:
        if (look.variant == kStandardDetails)
            blit(c, pic("Missle"), 0, 0);
        else if (look.variant == kEmpDetails)
            blit(c, pic("MissleEMP"), 0, 0);
        else if (look.variant == kNeedleDetails)
            blit(c, pic("MissleNeedle"), 0, 0);
        break;
    case WeaponKind::SalvoMissileRack:
        if (look.variant == kStandardDetails)
            blit(c, pic("SalvoLauncher"), 0, 0);
        else if (look.variant == kExtendedRangeDetails)
            blit(c, pic("SalvoRack(ER)"), 0, 0);
        paintArcMarks(c, look.arcs, false);
        break;
    case WeaponKind::SalvoLauncher:
        blit(c, pic("SalvoLauncher"), 0, 0);
        paintArcMarks(c, look.arcs, false);
        break;
    case WeaponKind::SalvoMagazine:
        if (look.segments == 1)
            blit(c, pic("SalvoMag1"), 0, 0);
        else
            paintSegments(c, look.segments, "SalvoMagStart", "SalvoMagMiddle", "SalvoMagEnd");
        break;
    case WeaponKind::SubmunitionsPack:
        blit(c, pic("SubMunitions"), 0, 0);
        break;
    case WeaponKind::PulseTorpedoTube:
        blit(c, pic("PulseTorp"), 0, 0);
        paintArcMarks(c, look.arcs, false);
        break;
    case WeaponKind::MineLayer:
        if (look.segments == 1)
            blit(c, pic("MineLayer1"), 0, 0);
        else
            paintSegments(c, look.segments, "MineLayerStart", "MineLayerMiddle", "MineLayerEnd");
        break;
    case WeaponKind::BeamBattery: {
        c.image.fill(Qt::white);
        blit(c, pic("Battery"), 0, 0);
        paintArcMarks(c, look.arcs, true);
        const QFont& font = batteryClassFont();
        const QFontMetrics m(font);
        writeText(c, font, look.variant, c.width / 2.0 - m.horizontalAdvance(look.variant) / 2.0,
                  c.height / 2.0 - m.height() / 2.0);
        break;
    }
    }
}

// Of a mount's details, what its picture shows: a missile's or a rack's variant. A magazine's or
// a mine layer's details show as its width; other details show nothing.
QString detailsShown(WeaponKind kind, const QString& details)
{
    switch (kind) {
    case WeaponKind::Missile:
        return details == kStandardDetails || details == kEmpDetails || details == kNeedleDetails ? details : QString();
    case WeaponKind::SalvoMissileRack:
        return details == kStandardDetails || details == kExtendedRangeDetails ? details : QString();
    default:
        return QString();
    }
}

IconLook lookOf(const SystemIcon& icon, const IconArt& art)
{
    IconLook key;
    key.width = qMax(1, twipsToPixels(icon.width));
    key.height = qMax(1, twipsToPixels(icon.height));
    if (!art.mount) {
        key.code = icon.tag;
        key.share = art.share;
        key.capacity = art.capacity;
        return key;
    }
    const WeaponEntry& w = *art.mount;
    if (const std::optional<WeaponKind> kind = weaponKindOf(w.Kind)) {
        key.kind = static_cast<int>(*kind);
        key.variant = *kind == WeaponKind::BeamBattery ? batteryClassText(w.Kind) : detailsShown(*kind, w.Details);
        if (*kind == WeaponKind::SalvoMagazine)
            key.segments = magazineSegments(w.Details);
        else if (*kind == WeaponKind::MineLayer)
            key.segments = mineLayerSegments(w.Details);
        for (int a = 0; a < 6; ++a)
            key.arcs |= w.Arc[a] ? 1 << a : 0;
    }
    return key;
}

} // namespace

struct IconPictureCache::Pictures {
    QHash<IconLook, QImage> byKey;
};

IconPictureCache::IconPictureCache() : m_pictures(std::make_unique<Pictures>()) {}

IconPictureCache::~IconPictureCache() = default;

void IconPictureCache::paint(SystemIcon& icon, const IconArt& art)
{
    icon.look = lookOf(icon, art);
    if (const auto found = m_pictures->byKey.constFind(icon.look); found != m_pictures->byKey.cend()) {
        icon.picture = *found;
        return;
    }
    icon.picture = paintIconLook(icon.look);
    m_pictures->byKey.insert(icon.look, icon.picture);
}

qsizetype IconPictureCache::pictureCount() const
{
    return m_pictures->byKey.size();
}

size_t qHash(const IconLook& look, size_t seed)
{
    return qHashMulti(seed, look.code, look.kind, look.variant, look.arcs, look.segments, look.width, look.height,
                      look.share, look.capacity);
}

QImage paintIconLook(const IconLook& look, int scale)
{
    Canvas c = blankCanvas(qMax(1, look.width), qMax(1, look.height), qMax(1, scale));
    if (look.code.isEmpty()) {
        paintWeapon(c, look);
    } else if (const ShipSystemRow* row = systemWithIconCode(look.code)) {
        if (row->storage == SystemStorage::Space)
            paintSpaceBox(c, look.share, QLatin1Char(row->boxLetter));
        else if (row->storage == SystemStorage::Bays)
            paintHangar(c, row->picture, look.capacity);
        else if (row->picture)
            blit(c, pic(row->picture), 0, 0);
    }
    return c.image;
}

void paintIconPicture(SystemIcon& icon, const IconArt& art)
{
    icon.look = lookOf(icon, art);
    icon.picture = paintIconLook(icon.look);
}

} // namespace kw
