#pragma once

#include "model/shiprecord.h"

#include <QList>

namespace kw {

class DisplayModel;

// A full update that keeps the layout. `rebuilt` holds the new icon set, all in the holding
// box; `before` the display as it was. An icon that stands for the same thing as an icon that
// lay on the display takes that icon's place: a system's k-th icon the k-th icon of its code,
// a weapon mount the icon made for it (`formerMounts` holds each mount's number at the last
// rebuild, -1 for a mount added since). One that would no longer show as much of itself on the
// resized display as it did stays in the holding box, which is laid out afresh. Returns the
// links whose two icons are still there, by their new indices.
QList<SalvoLink> keepLaidOutIcons(const DisplayModel& before, DisplayModel& rebuilt, const QList<int>& formerMounts,
                                  const QList<SalvoLink>& links);

} // namespace kw
