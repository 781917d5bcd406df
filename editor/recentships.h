#pragma once

#include <QString>

namespace kw {

// The list of recently used ship files, kept by the application's settings.
class RecentShips {
public:
    virtual ~RecentShips() = default;
    virtual void AddRecentFile(const QString& path) = 0;
};

} // namespace kw
