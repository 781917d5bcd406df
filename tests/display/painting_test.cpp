#include "display/displaymodel.h"
#include "display/iconart.h"
#include "display/iconcatalog.h"
#include "display/sheetpainter.h"
#include "display/systempictures.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

using namespace kw;

namespace {

const QImage& pic(const char* name)
{
    return SystemPictures::instance().picture(QString::fromLatin1(name));
}

// The picture painted over white, as an icon shows it.
QImage onWhite(std::initializer_list<const char*> names, QSize size = {21, 21})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const char* name : names)
        PaintTransparent(image, pic(name), 0, 0);
    return image;
}

SystemIcon weaponIcon(const WeaponEntry& mount)
{
    SystemIcon icon;
    icon.tag = QStringLiteral("0");
    const IconSize size = weaponIconSize(mount);
    icon.width = size.width;
    icon.height = size.height;
    IconArt art;
    art.mount = &mount;
    paintIconPicture(icon, art);
    return icon;
}

WeaponEntry mount(const char* kind, std::array<bool, 6> arcs = {}, const char* details = "")
{
    WeaponEntry w;
    w.Kind = kind;
    w.Arc = arcs;
    w.Details = details;
    return w;
}

} // namespace

TEST(SystemPictures, AllFiftyTwoAreBuiltInAtTheirSizes)
{
    const SystemPictures& pictures = SystemPictures::instance();
    ASSERT_TRUE(pictures.complete()) << pictures.missing().join(", ").toStdString();
    ASSERT_EQ(SystemPictures::names().size(), 52);
    const QHash<QString, QSize> special{{"ADFC", {12, 12}},      {"FCS", {11, 11}},         {"PDS", {16, 16}},
                                        {"Bridge", {23, 23}},    {"LifeSupport", {23, 23}}, {"Reactor", {23, 23}},
                                        {"CoreBorder", {86, 33}}, {"Fighter", {20, 30}},    {"Hangar", {21, 50}},
                                        {"Missle", {21, 31}},    {"MissleNeedle", {21, 31}}, {"MissleEMP", {21, 35}},
                                        {"Nova", {30, 51}},      {"WaveGun", {26, 40}}};
    for (const QString& name : SystemPictures::names()) {
        EXPECT_EQ(pictures.picture(name).size(), special.value(name, QSize(21, 21))) << name.toStdString();
        QFile file(QStringLiteral(":/pictures/%1.bmp").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(30);
        EXPECT_EQ(header.left(2), "BM");
        EXPECT_EQ(static_cast<unsigned char>(header[28]), 24) << name.toStdString();
    }
    EXPECT_EQ(pictures.picture("SCREENS").size(), QSize(21, 21));   // names ignore case
    EXPECT_TRUE(pictures.picture("NoSuchPicture").isNull());
}

TEST(PaintTransparent, TheKeyColourLeavesTheTargetAlone)
{
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 255));
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    picture.setPixel(2, 0, qRgb(255, 0, 254));
    const QImage before = picture;
    QImage target(4, 2, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    PaintTransparent(target, picture, 1, 1);
    EXPECT_EQ(target.pixel(1, 1), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_EQ(target.pixel(3, 1), qRgb(255, 0, 254));
    EXPECT_EQ(target.pixel(2, 0), qRgb(1, 2, 3));
    EXPECT_EQ(picture, before);
    PaintTransparent(target, picture, -2, 5);   // outside: nothing, no crash
}

TEST(IconPictures, ArcMarksFollowTheChosenArcs)
{
    const SystemIcon needle = weaponIcon(mount("Needle Beam", {true, true, false, false, false, false}));
    EXPECT_EQ(needle.picture, onWhite({"NeedleBeam", "Arc1", "Arc2", "Arc3s", "Arc4s", "Arc5s", "Arc6s"}));
    const SystemIcon torpedo = weaponIcon(mount("Pulse Torpedo Tube", {true, false, false, false, false, false}));
    EXPECT_EQ(torpedo.picture, onWhite({"PulseTorp", "Arc1"}));
    const SystemIcon rack = weaponIcon(mount("Salvo Missile Rack", {false, false, true, false, false, false}, "odd"));
    EXPECT_EQ(rack.picture, onWhite({"Arc3"}));
    EXPECT_EQ(weaponIcon(mount("Missile", {}, "EMP")).picture, onWhite({"MissleEMP"}, {21, 35}));
}

TEST(IconPictures, MultiSegmentIconsAreBuiltFromTheirPieces)
{
    const SystemIcon magazine = weaponIcon(mount("Salvo Magazine", {}, "8"));
    EXPECT_EQ(magazine.width, 1260);
    ASSERT_EQ(magazine.picture.size(), QSize(84, 21));
    EXPECT_EQ(magazine.picture.copy(0, 0, 21, 21), onWhite({"SalvoMagStart"}));
    EXPECT_EQ(magazine.picture.copy(21, 0, 21, 21), onWhite({"SalvoMagMiddle"}));
    EXPECT_EQ(magazine.picture.copy(42, 0, 21, 21), onWhite({"SalvoMagMiddle"}));
    EXPECT_EQ(magazine.picture.copy(63, 0, 21, 21), onWhite({"SalvoMagEnd"}));
    EXPECT_EQ(weaponIcon(mount("Salvo Magazine", {}, "3")).picture, onWhite({"SalvoMag1"}));
    const SystemIcon mines = weaponIcon(mount("Mine Layer", {}, "3"));
    EXPECT_EQ(mines.width, 945);
    EXPECT_EQ(mines.picture.copy(21, 0, 21, 21), onWhite({"MineLayerMiddle"}));
}

TEST(IconPictures, BatteriesCarryTheirWholeClassNumber)
{
    const std::array<bool, 6> all{true, true, true, true, true, true};
    const QImage bare = onWhite({"Battery", "Arc1", "Arc2", "Arc3", "Arc4", "Arc5", "Arc6"});
    const QImage one = weaponIcon(mount("Class 1 Battery", all)).picture;
    const QImage ten = weaponIcon(mount("Class 10 Battery", all)).picture;
    EXPECT_NE(one, bare);
    EXPECT_NE(ten, bare);
    EXPECT_NE(one, ten);
    // "10" is wider than "1": it darkens more pixels.
    auto ink = [&bare](const QImage& image) {
        int count = 0;
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 21; ++x)
                count += image.pixel(x, y) != bare.pixel(x, y);
        return count;
    };
    EXPECT_GT(ink(ten), ink(one));
}

TEST(RecordSheet, ExportHasTheDisplaysSizeAFrameNoGridAndTheIcons)
{
    DisplayModel display;
    TestSize(display.sheet, 200, 4);
    display.hull.streamliningCaption = QStringLiteral("Full Streamlining");
    display.hull.trackRows = {4, 4, 3, 3};
    display.hull.crewMarks[0] = {3};
    display.hull.armourBoxes = 2;
    paintIconPicture(display.appendIcon(QStringLiteral("Reflex"), IconContainer::Display, 1500, 600, 315, 315), {});
    paintIconPicture(display.appendIcon(QStringLiteral("Cloak"), IconContainer::HoldingBox, 55, 0, 315, 315), {});
    const SystemIcon& icon = display.icon(1);

    const QImage sheet = composeRecordSheet(display, {});
    EXPECT_EQ(sheet.size(), QSize(288, 233));
    for (int x = 0; x < sheet.width(); ++x) {
        EXPECT_EQ(sheet.pixel(x, 0), qRgb(0, 0, 0));
        EXPECT_EQ(sheet.pixel(x, sheet.height() - 1), qRgb(0, 0, 0));
    }
    for (int y = 0; y < sheet.height(); ++y)
        EXPECT_EQ(sheet.pixel(sheet.width() - 1, y), qRgb(0, 0, 0));
    int grey = 0;
    for (int y = 1; y < sheet.height() - 1; ++y)
        for (int x = 1; x < sheet.width() - 1; ++x)
            grey += sheet.pixel(x, y) == qRgb(192, 192, 192);
    EXPECT_EQ(grey, 0);
    EXPECT_EQ(sheet.copy(100, 40, 21, 21), icon.picture);
    // The crew mark's box is filled blue.
    const QRect box = pixelRect(display.sheet.trackBox(0, 3));
    EXPECT_EQ(sheet.pixel(box.center()), qRgb(0, 0, 255));

    // The editor's view shows the grid and the caption.
    QImage view(sheet.size(), QImage::Format_RGB32);
    QPainter painter(&view);
    paintSchematic(painter, display, {});
    painter.end();
    EXPECT_EQ(view.pixel(8, 100), qRgb(192, 192, 192));
}

TEST(IconPictureCache, IconsAlikeShareOnePictureAndOthersGetTheirOwn)
{
    IconPictureCache cache;
    auto cached = [&cache](SystemIcon icon, const IconArt& art) {
        cache.paint(icon, art);
        return icon;
    };
    SystemIcon fc;
    fc.tag = QStringLiteral("FC");
    fc.width = fc.height = 157.5f;
    SystemIcon hangar;
    hangar.tag = QStringLiteral("Hangar");
    hangar.height = 750;
    IconArt six;
    six.capacity = 6;
    IconArt seven;
    seven.capacity = 7;
    const SystemIcon first = cached(fc, {});
    EXPECT_EQ(cached(fc, {}).picture.constBits(), first.picture.constBits());
    EXPECT_EQ(cached(hangar, six).picture.constBits(), cached(hangar, six).picture.constBits());
    EXPECT_NE(cached(hangar, six).picture, cached(hangar, seven).picture);

    // A magazine's details show only as its width; a missile's variant shows itself.
    const WeaponEntry four = mount("Salvo Magazine", {}, "8");
    const WeaponEntry otherText = mount("Salvo Magazine", {}, "08");
    auto weapon = [&](const WeaponEntry& w) {
        SystemIcon icon;
        const IconSize size = weaponIconSize(w);
        icon.width = size.width;
        icon.height = size.height;
        IconArt art;
        art.mount = &w;
        return cached(icon, art);
    };
    EXPECT_EQ(weapon(four).picture.constBits(), weapon(otherText).picture.constBits());
    const WeaponEntry emp = mount("Missile", {}, "EMP");
    const WeaponEntry needle = mount("Missile", {}, "Needle");
    EXPECT_EQ(weapon(needle).picture, weaponIcon(needle).picture);
    EXPECT_NE(weapon(emp).picture, weapon(needle).picture);
    const WeaponEntry arcs = mount("Needle Beam", {true, false, false, false, false, true});
    EXPECT_EQ(weapon(arcs).picture, weaponIcon(arcs).picture);
    EXPECT_NE(weapon(arcs).picture, weapon(mount("Needle Beam", {true})).picture);
    EXPECT_EQ(cache.pictureCount(), 8);
}

TEST(IconLook, PaintedLargerThePixelArtStaysSquareAndTheLinesWhole)
{
    // A plain picture at three times its size is its own picture, each pixel a 3 x 3 block.
    SystemIcon fc;
    fc.tag = QStringLiteral("FC");
    fc.width = fc.height = 157.5f;
    paintIconPicture(fc, {});
    const QImage big = paintIconLook(fc.look, 3);
    EXPECT_EQ(big.size(), fc.picture.size() * 3);
    EXPECT_EQ(big.devicePixelRatio(), 3);
    EXPECT_EQ(big.convertToFormat(QImage::Format_RGB32),
              fc.picture.scaled(fc.picture.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation));

    // A battery's class and a cargo box's lines are drawn again at the finer size: the border
    // two device pixels wide on all four sides, the text not a blocky copy.
    const SystemIcon battery = weaponIcon(mount("Class 3 Battery", {true}));
    const QImage sharp = paintIconLook(battery.look, 2).convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(sharp, battery.picture.scaled(battery.picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    SystemIcon cargo;
    cargo.tag = QStringLiteral("CSpace");
    cargo.width = 630;
    cargo.height = 630;
    IconArt art;
    art.share = 25;
    paintIconPicture(cargo, art);
    const QImage box = paintIconLook(cargo.look, 2);
    const int w = box.width();
    const int h = box.height();
    for (QPoint p : {QPoint(0, 10), QPoint(1, 10), QPoint(10, 0), QPoint(10, 1), QPoint(w - 1, 10), QPoint(w - 2, 10),
                     QPoint(10, h - 1), QPoint(10, h - 2)})
        EXPECT_EQ(box.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(box.pixel(2, 10), qRgb(255, 255, 255));
}
