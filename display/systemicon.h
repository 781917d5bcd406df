#pragma once

#include "display/iconlook.h"
#include "display/twips.h"

#include <QImage>
#include <QString>
#include <optional>

namespace kw {

enum class IconContainer { HoldingBox, Display };

// One system icon of the record sheet: its code, where it lies and its picture.
struct SystemIcon {
    int index = 0;                 // 1..n in creation order; links and the selection refer to it
    QString tag;                   // system code, or a weapon's mount number in decimal
    IconContainer container = IconContainer::HoldingBox;
    float left = 0;
    float top = 0;
    float width = kBaseIconTwips;
    float height = kBaseIconTwips;
    QImage picture;                // painted once when the icon is made
    IconLook look;                 // what the picture shows, to paint it again larger

    bool placed() const { return container == IconContainer::Display; }
    TwipRect rect() const { return {left, top, width, height}; }
    // A weapon icon carries its mount number as its code.
    std::optional<int> mountNumber() const;
    bool isWeapon() const { return mountNumber().has_value(); }
    bool operator==(const SystemIcon&) const = default;
};

} // namespace kw
