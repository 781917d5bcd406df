#include "editor/editorsnapshot.h"

namespace kw {

namespace {

bool looksAlike(const SystemIcon& icon, const IconLook& look)
{
    return icon.tag == look.tag && icon.width == look.width && icon.height == look.height && icon.picture == look.picture;
}

bool sameLooks(const QList<SystemIcon>& icons, const QList<IconLook>& looks)
{
    if (icons.size() != looks.size())
        return false;
    for (qsizetype i = 0; i < icons.size(); ++i) {
        if (!looksAlike(icons[i], looks[i]))
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

void storeDisplay(const DisplayModel& display, EditorSnapshot& into, QList<IconLook>& looks)
{
    const QList<SystemIcon>& icons = display.icons();
    if (!sameLooks(icons, looks)) {
        looks.clear();
        looks.reserve(icons.size());
        for (const SystemIcon& icon : icons)
            looks.append({icon.tag, icon.width, icon.height, icon.picture});
    }
    into.iconLooks = looks;
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
    const qsizetype count = qMin(from.iconLooks.size(), from.iconPlaces.size());
    for (qsizetype i = 0; i < count; ++i) {
        const IconLook& look = from.iconLooks[i];
        const IconPlace& place = from.iconPlaces[i];
        display.appendIcon(look.tag, place.container, place.left, place.top, look.width, look.height).picture =
            look.picture;
    }
    return display;
}

} // namespace kw
