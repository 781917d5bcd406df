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

const QImage& pic(const char* name)
{
    return SystemPictures::instance().picture(QString::fromLatin1(name));
}

void writeText(QImage& image, const QFont& font, const QString& text, double left, double top,
               QColor colour = Qt::black)
{
    QPainter p(&image);
    p.setFont(font);
    p.setPen(colour);
    const QFontMetrics metrics(font);
    p.drawText(QPointF(left, top + metrics.ascent()), text);
}

void paintSpaceBox(QImage& image, int share, QChar letter)
{
    const int w = image.width();
    const int h = image.height();
    {
        QPainter p(&image);
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
    writeText(image, font, s, (w - 1) / 2.0 - m.horizontalAdvance(s) / 2.0 - 2, h - m.height() - 3);
    writeText(image, font, l, w / 2.0 - m.horizontalAdvance(l) / 2.0, 3);
}

void paintHangar(QImage& image, const char* picture, int capacity)
{
    PaintTransparent(image, pic(picture), 0, 0);
    const QFont& font = windowFont();
    const QString text = QString::number(capacity);
    writeText(image, font, text, image.width() / 2.0 - QFontMetrics(font).horizontalAdvance(text) / 2.0 + 0.5,
              image.height() / 2.0, Qt::white);
}

void paintArcMarks(QImage& image, const std::array<bool, 6>& arcs, bool full)
{
    for (int a = 0; a < 6; ++a) {
        const QString n = QString::number(a + 1);
        if (arcs[a])
            PaintTransparent(image, SystemPictures::instance().picture(QStringLiteral("Arc") + n), 0, 0);
        else if (full)
            PaintTransparent(image, SystemPictures::instance().picture(QStringLiteral("Arc") + n + QLatin1Char('s')), 0, 0);
    }
}

// Start piece at the left, end piece at the right, middles filling in from the right.
void paintSegments(QImage& image, int segments, const char* start, const char* middle, const char* end)
{
    const int w = image.width();
    const int w0 = 21;
    PaintTransparent(image, pic(start), 0, 0);
    PaintTransparent(image, pic(end), w - w0, 0);
    for (int k = 2; k <= segments - 1; ++k)
        PaintTransparent(image, pic(middle), w - k * w0, 0);
}

void paintWeapon(QImage& image, const WeaponEntry& w)
{
    const std::optional<WeaponKind> kind = weaponKindOf(w.Kind);
    if (!kind)
        return;
    switch (*kind) {
    case WeaponKind::OrtillerySystem:
        PaintTransparent(image, pic("Ortillery"), 0, 0);
        break;
    case WeaponKind::NeedleBeam:
        PaintTransparent(image, pic("NeedleBeam"), 0, 0);
        paintArcMarks(image, w.Arc, true);
        break;
    case WeaponKind::Missile:
        if (w.Details == kStandardDetails)
            PaintTransparent(image, pic("Missle"), 0, 0);
        else if (w.Details == kEmpDetails)
            PaintTransparent(image, pic("MissleEMP"), 0, 0);
        else if (w.Details == kNeedleDetails)
            PaintTransparent(image, pic("MissleNeedle"), 0, 0);
        break;
    case WeaponKind::SalvoMissileRack:
        if (w.Details == kStandardDetails)
            PaintTransparent(image, pic("SalvoLauncher"), 0, 0);
        else if (w.Details == kExtendedRangeDetails)
            PaintTransparent(image, pic("SalvoRack(ER)"), 0, 0);
        paintArcMarks(image, w.Arc, false);
        break;
    case WeaponKind::SalvoLauncher:
        PaintTransparent(image, pic("SalvoLauncher"), 0, 0);
        paintArcMarks(image, w.Arc, false);
        break;
    case WeaponKind::SalvoMagazine:
        if (const int n = magazineSegments(w.Details); n == 1)
            PaintTransparent(image, pic("SalvoMag1"), 0, 0);
        else
            paintSegments(image, n, "SalvoMagStart", "SalvoMagMiddle", "SalvoMagEnd");
        break;
    case WeaponKind::SubmunitionsPack:
        PaintTransparent(image, pic("SubMunitions"), 0, 0);
        break;
    case WeaponKind::PulseTorpedoTube:
        PaintTransparent(image, pic("PulseTorp"), 0, 0);
        paintArcMarks(image, w.Arc, false);
        break;
    case WeaponKind::MineLayer:
        if (const int n = mineLayerSegments(w.Details); n == 1)
            PaintTransparent(image, pic("MineLayer1"), 0, 0);
        else
            paintSegments(image, n, "MineLayerStart", "MineLayerMiddle", "MineLayerEnd");
        break;
    case WeaponKind::BeamBattery: {
        image.fill(Qt::white);
        PaintTransparent(image, pic("Battery"), 0, 0);
        paintArcMarks(image, w.Arc, true);
        const QString cls = batteryClassText(w.Kind);
        const QFont& font = batteryClassFont();
        const QFontMetrics m(font);
        writeText(image, font, cls, image.width() / 2.0 - m.horizontalAdvance(cls) / 2.0,
                  image.height() / 2.0 - m.height() / 2.0);
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

struct PictureKey {
    QString code;      // a system's code; empty for a weapon
    int kind = -1;     // a weapon's kind; -1 for none that paints
    QString variant;   // the details shown, or a battery's class
    int arcs = 0;
    int width = 0;
    int height = 0;
    int share = 0;
    int capacity = 0;

    bool operator==(const PictureKey&) const = default;
};

size_t qHash(const PictureKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.code, key.kind, key.variant, key.arcs, key.width, key.height, key.share, key.capacity);
}

PictureKey keyOf(const SystemIcon& icon, const IconArt& art)
{
    PictureKey key;
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
        for (int a = 0; a < 6; ++a)
            key.arcs |= w.Arc[a] ? 1 << a : 0;
    }
    return key;
}

} // namespace

struct IconPictureCache::Pictures {
    QHash<PictureKey, QImage> byKey;
};

IconPictureCache::IconPictureCache() : m_pictures(std::make_unique<Pictures>()) {}

IconPictureCache::~IconPictureCache() = default;

void IconPictureCache::paint(SystemIcon& icon, const IconArt& art)
{
    const PictureKey key = keyOf(icon, art);
    if (const auto found = m_pictures->byKey.constFind(key); found != m_pictures->byKey.cend()) {
        icon.picture = *found;
        return;
    }
    paintIconPicture(icon, art);
    m_pictures->byKey.insert(key, icon.picture);
}

qsizetype IconPictureCache::pictureCount() const
{
    return m_pictures->byKey.size();
}

void paintIconPicture(SystemIcon& icon, const IconArt& art)
{
    QImage image(qMax(1, twipsToPixels(icon.width)), qMax(1, twipsToPixels(icon.height)), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (art.mount) {
        paintWeapon(image, *art.mount);
    } else if (const ShipSystemRow* row = systemWithIconCode(icon.tag)) {
        if (row->storage == SystemStorage::Space)
            paintSpaceBox(image, art.share, QLatin1Char(row->boxLetter));
        else if (row->storage == SystemStorage::Bays)
            paintHangar(image, row->picture, art.capacity);
        else if (row->picture)
            PaintTransparent(image, pic(row->picture), 0, 0);
    }
    icon.picture = std::move(image);
}

} // namespace kw
