#include "editor/editorsnapshot.h"

namespace kw {

namespace {

IconFace faceOf(const SystemIcon& icon)
{
    return {icon.tag, icon.width, icon.height, icon.picture, icon.look};
}

bool sameFaces(const QList<SystemIcon>& icons, const QList<IconFace>& faces)
{
    if (icons.size() != faces.size())
        return false;
    for (qsizetype i = 0; i < icons.size(); ++i) {
        if (!(faceOf(icons[i]) == faces[i]))
            return false;
    }
    return true;
}

} // namespace

bool sameDesign(const EditorSnapshot& a, const EditorSnapshot& b)
{
    EditorSnapshot alike = a;
    alike.shipChanged = b.shipChanged;
    return alike == b;
}

void storeDisplay(const DisplayModel& display, EditorSnapshot& into, QList<IconFace>& faces)
{
    const QList<SystemIcon>& icons = display.icons();
    if (!sameFaces(icons, faces)) {
        faces.clear();
        faces.reserve(icons.size());
        for (const SystemIcon& icon : icons)
            faces.append(faceOf(icon));
    }
    into.iconFaces = faces;
    into.iconPlaces.clear();
    into.iconPlaces.reserve(icons.size());
    for (const SystemIcon& icon : icons)
        into.iconPlaces.append({icon.container, icon.left, icon.top});
    into.display = display;
    into.display.removeAllIcons();
    into.display.holdingScrollValue = 0;
}

DisplayModel storedDisplay(const EditorSnapshot& from)
{
    DisplayModel display = from.display;
    const qsizetype count = qMin(from.iconFaces.size(), from.iconPlaces.size());
    for (qsizetype i = 0; i < count; ++i) {
        const IconFace& face = from.iconFaces[i];
        const IconPlace& place = from.iconPlaces[i];
        SystemIcon& icon = display.appendIcon(face.tag, place.container, place.left, place.top, face.width, face.height);
        icon.picture = face.picture;
        icon.look = face.look;
    }
    return display;
}

} // namespace kw
