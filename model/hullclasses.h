#pragma once

#include "model/shipchoices.h"

#include <QStringList>

namespace kw {

// The class names a design of this type and mass may bear, in list order.
QStringList GetClasses(ShipType type, qint64 tmf);

} // namespace kw
