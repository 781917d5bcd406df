#pragma once

#include "pixelcanvas.h"

#include <QString>

#include <vector>

namespace pg {

struct Picture {
    const char *name; // file name without ".bmp"
    int width;
    int height;
    void (*draw)(Canvas &);
    bool insideArcs; // weapon symbol that the fire-arc ring is painted over
};

// Every picture the program loads, in the order of the contact sheet.
const std::vector<Picture> &pictures();
const Picture *findPicture(const char *name);

Canvas render(const Picture &p);
// Empty when the picture is fit to ship, otherwise what is wrong with it.
QString problems(const Picture &p, const Canvas &c);

// Fire arcs (arcs.cpp). sector 1 points up, then clockwise.
void drawArc(Canvas &c, int sector, bool shaded);
Mask arcSegment(int width, int height, int sector);

// Weapon symbols (weapons.cpp).
void drawBattery(Canvas &c);
void drawNeedleBeam(Canvas &c);
void drawPulseTorp(Canvas &c);
void drawSalvoLauncher(Canvas &c);
void drawSalvoRack(Canvas &c);
void drawOrtillery(Canvas &c);
void drawNova(Canvas &c);
void drawWaveGun(Canvas &c);
void drawSubMunitions(Canvas &c);

// Missiles, magazines and mine layers (launchers.cpp).
enum class Warhead { Standard, Emp, Needle };
void drawMissile(Canvas &c, Warhead w);
enum class Piece { Single, Start, Middle, End };
void drawSalvoMagazine(Canvas &c, Piece piece);
void drawMineLayer(Canvas &c, Piece piece);
// The middle pieces are laid any number of times in a row, so two neighbouring
// middle segments of a long rack must be pixel-for-pixel the same.
bool middlePiecesRepeat();

// Ship systems (systems.cpp).
void drawBridge(Canvas &c);
void drawLifeSupport(Canvas &c);
void drawReactor(Canvas &c);
void drawCoreBorder(Canvas &c);
void drawPds(Canvas &c);
void drawFighter(Canvas &c);
void drawHangar(Canvas &c);
void drawFcs(Canvas &c);
void drawAdfc(Canvas &c);
void drawScreens(Canvas &c);
void drawReflex(Canvas &c);
void drawCloak(Canvas &c);
void drawMineSweeper(Canvas &c);
void drawEnhancedSensors(Canvas &c);
void drawSuperiorSensors(Canvas &c);
void drawEcm(Canvas &c);
void drawAreaEcm(Canvas &c);
void drawDamageControl(Canvas &c);
void drawMainDrive(Canvas &c);
void drawFtl(Canvas &c);
// Shared with the mine layer.
void drawMine(Canvas &c, int cx, int cy, double r);

} // namespace pg
