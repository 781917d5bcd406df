#pragma once

#include "model/weaponentry.h"

#include <QString>
#include <memory>

namespace kw {

struct SystemIcon;

// What an icon's picture shows besides its code: a cargo or passenger box's share, a hangar
// bay's capacity, or the weapon mount it stands for.
struct IconArt {
    int share = 0;              // "CSpace" / "PSpace"
    int capacity = 0;           // "Hangar"
    const WeaponEntry* mount = nullptr;
};

// Paints the icon's picture for its code and size (set before painting).
void paintIconPicture(SystemIcon& icon, const IconArt& art);

// Pictures painted once and shared by every icon alike: a design of thousands of fire controls
// holds one picture of a fire control, not thousands. Icons alike are those whose pictures
// depend on the same things (code or weapon kind, size, share, capacity, details, arcs).
class IconPictureCache {
public:
    IconPictureCache();
    ~IconPictureCache();
    IconPictureCache(const IconPictureCache&) = delete;
    IconPictureCache& operator=(const IconPictureCache&) = delete;

    // Gives the icon its picture for its code and size (set before), as paintIconPicture would.
    void paint(SystemIcon& icon, const IconArt& art);
    qsizetype pictureCount() const;

private:
    struct Pictures;
    std::unique_ptr<Pictures> m_pictures;
};

} // namespace kw
