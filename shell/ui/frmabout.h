#pragma once

#include "shell/ui/frmmenu.h"

#include <QDialog>
#include <functional>
#include <optional>

namespace kw {

class LinkOpener;
class UserPrompts;

// How "&System Info..." finds and starts the system information tool.
struct SystemInfoLauncher {
    std::function<std::optional<QString>()> find;
    // Starts the program; false when it could not.
    std::function<bool(const QString&)> start;
};

// The About box: the program's name, version and description, its links, and the door to the
// system information tool.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    FrmAbout(LinkOpener& opener, UserPrompts& prompts, SystemInfoLauncher sysInfo, QWidget* parent = nullptr);

    // "&System Info...".
    void StartSysInfo();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    UserPrompts& m_prompts;
    SystemInfoLauncher m_sysInfo;
    LinkPair m_links;
};

} // namespace kw
