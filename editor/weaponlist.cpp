#include "editor/weaponlist.h"

#include <QHash>

namespace kw {

namespace {

bool rowStandsFor(const WeaponListRow& row, const WeaponEntry& mount, const QString& mountArcs)
{
    return row.kind == mount.Kind && row.arcs == mountArcs && row.details == mount.Details;
}

// What a row stands for.
struct RowKey {
    QString kind;
    QString arcs;
    QString details;

    bool operator==(const RowKey&) const = default;
};

size_t qHash(const RowKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.kind, key.arcs, key.details);
}

} // namespace

QList<WeaponListRow> groupWeaponRows(const QList<WeaponEntry>& weapons)
{
    // Rows are found by what they stand for, so a list of thousands of different mounts groups
    // in one pass.
    QList<WeaponListRow> rows;
    QHash<RowKey, qsizetype> rowOf;
    for (const WeaponEntry& mount : weapons) {
        const QString arcs = arcText(mount.Arc);
        const RowKey key{mount.Kind, arcs, mount.Details};
        if (!mount.Kind.isEmpty()) {
            if (const auto it = rowOf.constFind(key); it != rowOf.cend()) {
                ++rows[*it].count;
                continue;
            }
            rowOf.insert(key, rows.size());
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
