// Any bytes found as the settings file: read, written back, read again.
#include "fuzz/checks/registryfilechecks.h"
#include "fuzz/fuzzsupport.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::failOn(fuzz::registryFileProblem(fuzz::bytesOf(data, size)));
    return 0;
}
