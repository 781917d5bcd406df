#pragma once

#include "display/twips.h"

#include <array>

namespace kw {

// Fixed design geometry of the record sheet area of the editor window, in twips. The System
// Display is centred in a border frame; the holding box sits above it.
namespace SheetDesign {
constexpr TwipRect borderFrame{5445, 1530, 6390, 6450};
constexpr TwipRect designDisplay{5970, 4485, 5355, 3420};
constexpr float coreBorderLeft = 1035;
constexpr float coreBorderWidth = 1290;
constexpr float coreBorderHeight = 495;
constexpr float corePictureSize = 345;
constexpr float drivePictureSize = 315;
constexpr float trackBoxSize = 135;
constexpr float trackBoxGap = 50;
constexpr float trackLeft = 60;
constexpr float trackRowPitch = 165;
// The holding box and its link buttons.
constexpr TwipRect holdingFrame{5550, 1440, 6180, 2445};
constexpr float holdingViewLeft = 60;   // picCont inside the frame
constexpr float holdingViewTop = 225;
constexpr float holdingViewHeight = 2115;
constexpr float holdingCanvasWidth = 5745;
constexpr float holdingScrollBarLeft = 5805;
constexpr float holdingScrollBarWidth = 300;
constexpr float holdingRightMargin = 150;
constexpr float holdingIconGap = 55;
constexpr float linkButtonHeight = 375;
} // namespace SheetDesign

// Where TestSize puts the System Display and its fixed parts. Display-relative rectangles are
// relative to the display's top-left corner; the others are window coordinates.
struct SheetGeometry {
    TwipRect display = SheetDesign::designDisplay;       // picSysDisplay (window)
    TwipRect coreBorder;                                  // PicCoreBorder (display)
    TwipRect bridge;                                      // imgBridge
    TwipRect lifeSupport;                                 // imgLife
    TwipRect reactor;                                     // ImgReactor
    TwipRect ftl;                                         // picFTL
    TwipRect md;                                          // picMD
    float armourTop = 0;                                  // shpArmour(0)
    std::array<float, 4> trackRowTop{};                  // shphull1(0) .. shphull4(0)
    float linkButtonTop = 0;                              // cmdLink and cmdCancelL (window)
    float holdingFrameHeight = SheetDesign::holdingFrame.height;      // fraSysCont
    float holdingViewHeight = SheetDesign::holdingViewHeight;         // picCont and vslSystems

    SheetGeometry();
    // Places the fixed parts for a display of the given height.
    void placeFixedParts();
    // Box i (0-based) of an armour row or track row.
    TwipRect armourBox(int i) const;
    TwipRect trackBox(int row, int i) const;
    bool operator==(const SheetGeometry&) const = default;
};

// Sizes the display from the design's mass and first track row, centres it in the frame and
// fits the holding box above it.
void TestSize(SheetGeometry& sheet, qint64 tmf, int firstTrackRow);

} // namespace kw
