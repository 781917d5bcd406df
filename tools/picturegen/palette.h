#pragma once

#include <QRgb>

#include <optional>

// The few flat colours every picture is painted with. Keeping them in one place
// keeps the set consistent and well away from the magenta see-through key.
namespace pg::pal {

inline constexpr QRgb key = qRgb(255, 0, 255);

inline constexpr QRgb black = qRgb(0, 0, 0);
inline constexpr QRgb navy = qRgb(20, 30, 70);
inline constexpr QRgb panel = qRgb(34, 46, 78);
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb pale = qRgb(232, 234, 238);
inline constexpr QRgb lightGrey = qRgb(200, 203, 208);
inline constexpr QRgb arcGrey = qRgb(160, 160, 160);
inline constexpr QRgb steel = qRgb(128, 138, 152);
inline constexpr QRgb darkGrey = qRgb(72, 74, 80);
inline constexpr QRgb paleBlue = qRgb(205, 222, 242);
inline constexpr QRgb skyBlue = qRgb(110, 185, 235);
inline constexpr QRgb blue = qRgb(40, 95, 200);
inline constexpr QRgb red = qRgb(210, 35, 30);
inline constexpr QRgb orange = qRgb(245, 140, 25);
inline constexpr QRgb yellow = qRgb(250, 215, 40);
inline constexpr QRgb paleYellow = qRgb(255, 244, 185);
inline constexpr QRgb green = qRgb(40, 150, 60);
inline constexpr QRgb darkGreen = qRgb(20, 85, 35);
inline constexpr QRgb paleGreen = qRgb(210, 238, 205);

// Letters used in the hand-drawn sprite strings; '.' leaves a pixel untouched.
inline std::optional<QRgb> fromLetter(char c)
{
    switch (c) {
    case 'k': return black;
    case 'n': return navy;
    case 'p': return panel;
    case 'w': return white;
    case 'a': return pale;
    case 'l': return lightGrey;
    case 's': return steel;
    case 'd': return darkGrey;
    case 'c': return skyBlue;
    case 'b': return blue;
    case 'r': return red;
    case 'o': return orange;
    case 'y': return yellow;
    case 'Y': return paleYellow;
    case 'g': return green;
    case 'G': return darkGreen;
    case 'm': return key;
    default: return std::nullopt;
    }
}

} // namespace pg::pal
