#include "editor/weaponlist.h"

#include <algorithm>

namespace kw {

namespace {

bool rowStandsFor(const WeaponListRow& row, const WeaponEntry& mount, const QString& mountArcs)
{
    return row.kind == mount.Kind && row.arcs == mountArcs && row.details == mount.Details;
}

} // namespace

QList<WeaponListRow> groupWeaponRows(const QList<WeaponEntry>& weapons)
{
    QList<WeaponListRow> rows;
    for (const WeaponEntry& mount : weapons) {
        const QString arcs = arcText(mount.Arc);
        auto it = std::find_if(rows.begin(), rows.end(), [&](const WeaponListRow& row) {
            return !row.kind.isEmpty() && rowStandsFor(row, mount, arcs);
        });
        if (it != rows.end()) {
            ++it->count;
            continue;
        }
        rows.append({1, mount.Kind, arcs, QString::number(mount.Mass), QString::number(mount.Cost), mount.Details});
    }
    return rows;
}

int firstMountOfRow(const QList<WeaponEntry>& weapons, const WeaponListRow& row)
{
    for (int i = 0; i < weapons.size(); ++i) {
        if (rowStandsFor(row, weapons[i], arcText(weapons[i].Arc)))
            return i;
    }
    return -1;
}

WeaponListScroll weaponListScroll(int rowCount, double rowHeightTwips)
{
    const int lastRow = qMax(0, rowCount - 1);
    if (lastRow >= 16)
        return {lastRow - 15, (rowHeightTwips + kWeaponRowGapTwips) * (lastRow - 15) + kWeaponListViewTwips};
    return {0, kWeaponListViewTwips};
}

double weaponListTop(int scrollValue, double rowHeightTwips)
{
    return -scrollValue * (rowHeightTwips + kWeaponRowGapTwips);
}

} // namespace kw
