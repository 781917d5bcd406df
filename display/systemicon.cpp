#include "display/systemicon.h"

#include "model/numbertext.h"

#include <cmath>

namespace kw {

std::optional<int> SystemIcon::mountNumber() const
{
    const std::optional<double> value = parseNumber(tag);
    if (!value || std::fabs(*value) > 2.0e9 || *value != std::floor(*value))
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace kw
