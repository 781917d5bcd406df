#include "display/sheetgeometry.h"

namespace kw {

using namespace SheetDesign;

SheetGeometry::SheetGeometry()
{
    placeFixedParts();
    linkButtonTop = display.top - linkButtonHeight - 25;
}

void SheetGeometry::placeFixedParts()
{
    const float h = display.height;
    ftl = {trackLeft, h - 459, drivePictureSize, drivePictureSize};
    md = {495, h - 459, drivePictureSize, drivePictureSize};
    bridge = {1110, h - 510, corePictureSize, corePictureSize};
    lifeSupport = {1515, h - 510, corePictureSize, corePictureSize};
    reactor = {1920, h - 510, corePictureSize, corePictureSize};
    coreBorder = {coreBorderLeft, h - 585, coreBorderWidth, coreBorderHeight};
    trackRowTop[0] = h - 1245;
    for (int r = 1; r < 4; ++r)
        trackRowTop[r] = trackRowTop[r - 1] + trackBoxSize + 30;
    armourTop = h - 1410;
}

TwipRect SheetGeometry::armourBox(int i) const
{
    return {trackLeft + (trackBoxSize + trackBoxGap) * static_cast<float>(i), armourTop, trackBoxSize, trackBoxSize};
}

TwipRect SheetGeometry::trackBox(int row, int i) const
{
    return {trackLeft + (trackBoxSize + trackBoxGap) * static_cast<float>(i), trackRowTop[row], trackBoxSize,
            trackBoxSize};
}

void TestSize(SheetGeometry& sheet, qint64 tmf, int firstTrackRow)
{
    const float coreRight = coreBorderLeft + coreBorderWidth;
    float width = 0;
    float height = 0;
    if (tmf >= 300) {
        width = coreRight + 3950;
        height = 3700;
    } else if (tmf > 150) {
        width = coreRight + 2000;
        height = 3500;
    } else if (tmf >= 15) {
        width = coreRight + 100;
        height = 3500;
    } else {
        width = height = coreRight + 100;
        sheet.holdingFrameHeight = holdingFrame.height;
        sheet.holdingViewHeight = holdingViewHeight;
    }
    const float trackWidth = (trackBoxSize + trackBoxGap) * static_cast<float>(firstTrackRow) + trackLeft + 100;
    if (trackWidth > width)
        width = trackWidth;

    sheet.display.width = width;
    sheet.display.height = height;
    sheet.display.left = borderFrame.left + (borderFrame.width - width) / 2;
    sheet.display.top = borderFrame.top + borderFrame.height - height - 100;
    sheet.placeFixedParts();
    sheet.linkButtonTop = sheet.display.top - linkButtonHeight - 25;
    if (tmf >= 15) {
        sheet.holdingFrameHeight = sheet.linkButtonTop - holdingFrame.top - 200;
        sheet.holdingViewHeight = sheet.holdingFrameHeight - 330;
    }
}

} // namespace kw
