// Any bytes opened as a ship file: read, applied to the editor, taken apart for saving.
#include "fuzz/checks/shipfilechecks.h"
#include "fuzz/fuzzsupport.h"
#include "storage/shipfile.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::ShipFileOpening opening(fuzz::scratchFolder());
    const QByteArray bytes = fuzz::bytesOf(data, size);
    readShipFile(bytes);
    fuzz::failOn(opening.check(bytes));
    return 0;
}
