// Any bytes opened as a ship file in the editor (which reads them with readShipFile), then taken
// apart for saving.
#include "fuzz/checks/shipfilechecks.h"
#include "fuzz/fuzzsupport.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::ShipFileOpening opening(fuzz::scratchFolder());
    fuzz::failOn(opening.check(fuzz::bytesOf(data, size)));
    return 0;
}
