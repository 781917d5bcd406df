#pragma once

#include <QString>

namespace kw {

// Opens a web or mail address with whatever the desktop uses for it ("OpenWithShell").
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void OpenWithShell(const QString& target) = 0;
};

} // namespace kw
