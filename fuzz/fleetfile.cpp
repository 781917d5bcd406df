// Any bytes opened as a fleet file by the Fleet Organizer, saved and opened again; the same bytes
// read as a ship file by the fleet's own reader.
#include "fuzz/checks/fleetfilechecks.h"
#include "fuzz/fuzzsupport.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::FleetFileOpening opening(fuzz::scratchFolder());
    fuzz::failOn(opening.check(fuzz::bytesOf(data, size)));
    return 0;
}
