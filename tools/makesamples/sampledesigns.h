#pragma once

#include <QString>

namespace kw {

class ShipEditor;

// One sample design: how to build it in the editor and which side it belongs to.
struct SampleDesign {
    const char* side;
    const char* name;
    void (*build)(ShipEditor& editor);
};

// The samples, each built with the editor's own operations and then sized by Auto Calc.
const SampleDesign* sampleDesigns(int& count);

// Lays the icons out on the display in tidy rows above the damage track.
void arrangeIcons(ShipEditor& editor);

} // namespace kw
