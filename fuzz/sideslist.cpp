// Any bytes found as Ships/Sides.txt: read, checked as folder names, written back.
#include "fuzz/checks/sideslistchecks.h"
#include "fuzz/fuzzsupport.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::failOn(fuzz::sidesListProblem(fuzz::bytesOf(data, size), fuzz::scratchFolder()));
    return 0;
}
