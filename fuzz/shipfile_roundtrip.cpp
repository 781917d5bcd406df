// Any bytes read as a ship file, written and read again: the design must survive.
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
    fuzz::failOn(fuzz::roundTripProblem(fuzz::bytesOf(data, size)));
    return 0;
}
