#pragma once

#include "display/displaymodel.h"
#include "editor/editorstate.h"
#include "model/shiprecord.h"

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

namespace kw {

// An icon apart from its place. Between two full updates the icons keep their faces, so the
// snapshots taken meanwhile share one list of them.
struct IconFace {
    QString tag;
    float width = 0;
    float height = 0;
    QImage picture;
    IconLook look;

    bool operator==(const IconFace&) const = default;
};

struct IconPlace {
    IconContainer container = IconContainer::HoldingBox;
    float left = 0;
    float top = 0;

    bool operator==(const IconPlace&) const = default;
};

// The editor's state as undo takes it back: the design, the fields, the figures, the optional
// controls and the System Display with every icon's place, as normal editing shows them. Not
// in it: the selection, the holding box's scrolling, a pending remove or link, the lock and
// the file the design is bound to.
struct EditorSnapshot {
    ShipRecord ship;
    EditorFields fields;
    EditorFigures figures;
    EditorControls controls;
    DisplayModel display;            // without its icons
    QList<IconFace> iconFaces;       // icon i at i - 1
    QList<IconPlace> iconPlaces;
    bool shipChanged = false;
    std::optional<QString> lastWarning;

    bool operator==(const EditorSnapshot&) const = default;
};

// Whether two states hold the same design and layout, whatever they say about unsaved changes:
// a recalculation that only marks the design changed is no step.
bool sameDesign(const EditorSnapshot& a, const EditorSnapshot& b);

// Takes the display into the snapshot. `faces` holds the faces of the last snapshot and is
// reused while the icons still look the same, so a step costs little more than the places.
void storeDisplay(const DisplayModel& display, EditorSnapshot& into, QList<IconFace>& faces);
// The display the snapshot holds, without selection.
DisplayModel storedDisplay(const EditorSnapshot& from);

} // namespace kw
