#pragma once

#include "shell/linkopener.h"

namespace kw {

// Opens addresses with the desktop's browser and mail program.
class DesktopLinkOpener : public LinkOpener {
public:
    void OpenWithShell(const QString& target) override;
};

} // namespace kw
