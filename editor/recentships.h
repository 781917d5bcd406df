#pragma once

#include <QString>

namespace kw {

// The list of recently used ship files, kept by the application's settings: places 1 to 5,
// place 1 the most recent, an empty text for an empty place.
class RecentShips {
public:
    virtual ~RecentShips() = default;
    virtual void AddRecentFile(const QString& path) = 0;
    virtual QString GetRecentFile(int place) const = 0;
    static constexpr int kPlaces = 5;
};

} // namespace kw
