#pragma once

#include "model/weaponentry.h"

#include <QList>
#include <QString>

namespace kw {

// One row of the Weapons tab: identical mounts shown once with their number. The texts are
// the captions of the row's labels (lblWeapon, lblArcs, tmfWeap, npvWeap, lblDetails).
struct WeaponListRow {
    int count = 0;        // lblNum
    QString kind;
    QString arcs;
    QString mass;         // of one mount
    QString cost;         // of one mount
    QString details;

    bool operator==(const WeaponListRow&) const = default;
};

// The rows for the mounts in list order: a mount joins the first row with the same kind, arc
// text and details, otherwise it opens a new row. A mount without a kind always gets a row of
// its own, since an empty caption never matches.
QList<WeaponListRow> groupWeaponRows(const QList<WeaponEntry>& weapons);

// The position of the first mount that the row stands for, or -1.
int firstMountOfRow(const QList<WeaponEntry>& weapons, const WeaponListRow& row);

// Geometry of the list, in twips. Each row is one label high plus a small gap; the viewport
// shows 16 rows, and the canvas grows by one row step for every row beyond them.
inline constexpr double kWeaponRowHeightTwips = 255;
inline constexpr double kWeaponRowGapTwips = 20;
inline constexpr double kWeaponRowStepTwips = kWeaponRowHeightTwips + kWeaponRowGapTwips;
inline constexpr double kWeaponListViewTwips = 4410;

struct WeaponListScroll {
    int maximum = 0;            // the scroll bar runs from 0 to this
    double canvasHeight = 0;    // picWeapList, twips
};

// The scroll range and canvas height for a list of rowCount rows (an empty list still has
// its first, blank row).
WeaponListScroll weaponListScroll(int rowCount, double rowHeightTwips = kWeaponRowHeightTwips);

// The top of a row on the canvas: each row sits one row step below the one before.
inline double weaponRowTop(int row, double rowHeightTwips = kWeaponRowHeightTwips)
{
    return row * (rowHeightTwips + kWeaponRowGapTwips);
}

// Where the canvas top sits inside the viewport for the scroll value.
double weaponListTop(int scrollValue, double rowHeightTwips = kWeaponRowHeightTwips);

} // namespace kw
