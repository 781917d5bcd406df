#pragma once

namespace kw {

// Places and sizes on the record sheet are held in twips; 15 twips make one pixel at 96 dpi.
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kBaseIconTwips = 315.0f;   // the base icon: 21 x 21 pixels

} // namespace kw
