#pragma once

#include "display/twips.h"

#include <array>

namespace kw {

// Where the Fleet Organizer's controls sit, in twips of its client area as designed (15 to a
// pixel). The client area fits an 800 x 600 screen.
namespace OrganizerLayout {
constexpr TwipRect client{0, 0, 11880, 8010};
// The viewport onto the page, with its scroll bars below and to the right.
constexpr TwipRect picContainer{143, 45, 11340, 6180};
constexpr TwipRect HScroll{143, 6210, 11355, 255};
constexpr TwipRect VScroll{11483, 45, 255, 6165};
// The statistics grid: headings above three columns, the rows Limit, Current and Left.
constexpr float headingTop = 6480;
constexpr std::array<float, 3> rowTops{6720, 7080, 7440};
constexpr float rowHeight = 285;
constexpr float rowCaptionLeft = 143;
constexpr float rowCaptionWidth = 945;
constexpr std::array<float, 3> columnLefts{1170, 2430, 3690};
constexpr float columnWidth = 1140;
// The side and its ships.
constexpr TwipRect cmbSide{5220, 6555, 2280, 315};
constexpr TwipRect lstAdd{5220, 6870, 2280, 1095};
// "Add >>", "<< Remove" and "Open Other".
constexpr TwipRect cmdAdd{7650, 6870, 1365, 270};
constexpr TwipRect cmdRemove{7650, 7125, 1365, 270};
constexpr TwipRect cmdOpen{7650, 7380, 1365, 270};
constexpr TwipRect lstFleet{9210, 6540, 2280, 1425};
// The description window frmDes.
constexpr float descriptionWidth = 2715;
constexpr float descriptionHeight = 1725;
} // namespace OrganizerLayout

} // namespace kw
