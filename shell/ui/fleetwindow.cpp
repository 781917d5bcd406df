#include "shell/ui/fleetwindow.h"

#include "shell/ui/fleetplaceholder.h"

namespace kw {

std::unique_ptr<ProgramWindow> makeFleetWindow(const FleetWindowParts& parts)
{
    return std::make_unique<FleetPlaceholder>(parts.host, parts.smallScreen);
}

} // namespace kw
