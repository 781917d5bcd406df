#include "pictures.h"

#include "palette.h"

#include <algorithm>
#include <cstring>

namespace pg {

const std::vector<Picture> &pictures()
{
    // Plain functions only, so the table is a constant list of what gets drawn.
    static const std::vector<Picture> all = {
        {"Bridge", 23, 23, drawBridge, false},
        {"LifeSupport", 23, 23, drawLifeSupport, false},
        {"Reactor", 23, 23, drawReactor, false},
        {"CoreBorder", 86, 33, drawCoreBorder, false},
        {"Arc1", 21, 21, [](Canvas &c) { drawArc(c, 1, false); }, false},
        {"Arc2", 21, 21, [](Canvas &c) { drawArc(c, 2, false); }, false},
        {"Arc3", 21, 21, [](Canvas &c) { drawArc(c, 3, false); }, false},
        {"Arc4", 21, 21, [](Canvas &c) { drawArc(c, 4, false); }, false},
        {"Arc5", 21, 21, [](Canvas &c) { drawArc(c, 5, false); }, false},
        {"Arc6", 21, 21, [](Canvas &c) { drawArc(c, 6, false); }, false},
        {"Arc1s", 21, 21, [](Canvas &c) { drawArc(c, 1, true); }, false},
        {"Arc2s", 21, 21, [](Canvas &c) { drawArc(c, 2, true); }, false},
        {"Arc3s", 21, 21, [](Canvas &c) { drawArc(c, 3, true); }, false},
        {"Arc4s", 21, 21, [](Canvas &c) { drawArc(c, 4, true); }, false},
        {"Arc5s", 21, 21, [](Canvas &c) { drawArc(c, 5, true); }, false},
        {"Arc6s", 21, 21, [](Canvas &c) { drawArc(c, 6, true); }, false},
        {"Battery", 21, 21, drawBattery, true},
        {"NeedleBeam", 21, 21, drawNeedleBeam, true},
        {"PulseTorp", 21, 21, drawPulseTorp, true},
        {"SalvoLauncher", 21, 21, drawSalvoLauncher, true},
        {"SalvoRack(ER)", 21, 21, drawSalvoRack, true},
        {"Ortillery", 21, 21, drawOrtillery, false},
        {"SubMunitions", 21, 21, drawSubMunitions, false},
        {"Nova", 30, 51, drawNova, false},
        {"WaveGun", 26, 40, drawWaveGun, false},
        {"Missle", 21, 31, [](Canvas &c) { drawMissile(c, Warhead::Standard); }, false},
        {"MissleEMP", 21, 35, [](Canvas &c) { drawMissile(c, Warhead::Emp); }, false},
        {"MissleNeedle", 21, 31, [](Canvas &c) { drawMissile(c, Warhead::Needle); }, false},
        {"SalvoMag1", 21, 21, [](Canvas &c) { drawSalvoMagazine(c, Piece::Single); }, false},
        {"SalvoMagStart", 21, 21, [](Canvas &c) { drawSalvoMagazine(c, Piece::Start); }, false},
        {"SalvoMagMiddle", 21, 21, [](Canvas &c) { drawSalvoMagazine(c, Piece::Middle); }, false},
        {"SalvoMagEnd", 21, 21, [](Canvas &c) { drawSalvoMagazine(c, Piece::End); }, false},
        {"MineLayer1", 21, 21, [](Canvas &c) { drawMineLayer(c, Piece::Single); }, false},
        {"MineLayerStart", 21, 21, [](Canvas &c) { drawMineLayer(c, Piece::Start); }, false},
        {"MineLayerMiddle", 21, 21, [](Canvas &c) { drawMineLayer(c, Piece::Middle); }, false},
        {"MineLayerEnd", 21, 21, [](Canvas &c) { drawMineLayer(c, Piece::End); }, false},
        {"PDS", 16, 16, drawPds, false},
        {"FCS", 11, 11, drawFcs, false},
        {"ADFC", 12, 12, drawAdfc, false},
        {"Fighter", 20, 30, drawFighter, false},
        {"Hangar", 21, 50, drawHangar, false},
        {"screens", 21, 21, drawScreens, false},
        {"Reflex", 21, 21, drawReflex, false},
        {"Cloak", 21, 21, drawCloak, false},
        {"MinSweeper", 21, 21, drawMineSweeper, false},
        {"ESensors", 21, 21, drawEnhancedSensors, false},
        {"SSensors", 21, 21, drawSuperiorSensors, false},
        {"ECM", 21, 21, drawEcm, false},
        {"AreaECM", 21, 21, drawAreaEcm, false},
        {"DmgCon", 21, 21, drawDamageControl, false},
        {"MD", 21, 21, drawMainDrive, false},
        {"FTL", 21, 21, drawFtl, false},
    };
    return all;
}

const Picture *findPicture(const char *name)
{
    for (const Picture &p : pictures())
        if (std::strcmp(p.name, name) == 0)
            return &p;
    return nullptr;
}

Canvas render(const Picture &p)
{
    Canvas c(p.width, p.height);
    p.draw(c);
    return c;
}

namespace {

// Anything this close to the key would read as a stray fringe on the sheet.
bool nearKey(QRgb c)
{
    return qRed(c) > 150 && qBlue(c) > 150 && qGreen(c) + 60 < std::min(qRed(c), qBlue(c));
}

} // namespace

QString problems(const Picture &p, const Canvas &c)
{
    if (c.width() != p.width || c.height() != p.height)
        return QStringLiteral("drawn at the wrong size");
    bool anyOpaque = false;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const QRgb px = c.at(x, y);
            if (px == pal::key)
                continue;
            anyOpaque = true;
            if (nearKey(px))
                return QStringLiteral("colour too close to the see-through key at %1,%2").arg(x).arg(y);
        }
    }
    if (!anyOpaque)
        return QStringLiteral("nothing drawn");
    if (p.insideArcs) {
        // The symbol must keep a see-through gap to the ring so the arcs stay legible.
        Mask ring(c.width(), c.height());
        for (int s = 1; s <= 6; ++s)
            ring = ring | arcSegment(c.width(), c.height(), s);
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width(); ++x) {
                if (c.at(x, y) == pal::key)
                    continue;
                if (ring.at(x, y) || ring.at(x - 1, y) || ring.at(x + 1, y) || ring.at(x, y - 1) || ring.at(x, y + 1))
                    return QStringLiteral("symbol reaches the fire-arc ring at %1,%2").arg(x).arg(y);
            }
    }
    return {};
}

} // namespace pg
