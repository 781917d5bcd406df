#pragma once

#include "editor/shipeditor.h"

#include <QPointF>

namespace kw::test {

// Adds salvo mounts to the design: launchers first, then magazines of 6 (three segments wide).
inline void addSalvoMounts(ShipEditor& editor, int launchers, int magazines)
{
    QList<WeaponEntry> mounts;
    for (int k = 0; k < launchers + magazines; ++k) {
        WeaponEntry w;
        w.Kind = k < launchers ? QStringLiteral("Salvo Launcher") : QStringLiteral("Salvo Magazine");
        w.Details = k < launchers ? QString() : QStringLiteral("6");
        w.Arc[0] = true;
        w.Mass = 3;
        w.Cost = 9;
        mounts.append(w);
    }
    editor.addWeapons(mounts);
}

// The icon of a weapon mount.
inline int mountIcon(const ShipEditor& editor, int mount)
{
    return editor.display().findIcon(QString::number(mount));
}

// Where placeAllIcons puts icon i: a column per icon, rows far enough apart for any icon.
inline QPointF layoutSpot(int icon)
{
    return {60.0 + 450.0 * ((icon - 1) % 4), 60.0 + 900.0 * ((icon - 1) / 4)};
}

// Drops every icon onto the display as a drag would, grabbed 5 twips inside its corner.
inline void placeAllIcons(ShipEditor& editor)
{
    const QPointF grab(5, 5);
    for (int i = 1; i <= editor.display().iconCount(); ++i)
        editor.dropIconOnDisplay(i, layoutSpot(i) + grab, grab);
}

} // namespace kw::test
