#pragma once

#include "common/changenotifier.h"
#include "shell/associations.h"

#include <QString>
#include <array>

namespace kw {

class DesktopIntegration;
class Settings;
class UserPrompts;

// The preferences dialog without its window: the two association boxes, the layout kept
// through a full update, and the first-run mode
// in which the dialog can only be left with "Okay".
// The preference that keeps a hand-made layout through a full update; "1" on, anything else off.
inline const QString kKeepLayoutPref = QStringLiteral("KeepLayout");
bool keepLayoutPreferred(const Settings& settings);

class Preferences : public ChangeNotifier {
    Q_OBJECT

public:
    // The associations name the program at `executable`; `desktop` (may be null) makes them
    // real on a desktop without a registry.
    Preferences(Settings& settings, UserPrompts& prompts, const QString& executable,
                const DesktopIntegration* desktop, QObject* parent = nullptr);

    // The dialog's load. At a first run the boxes stay clear and "Cancel" is gone; otherwise
    // each box shows whether its preference is "1".
    void Load(bool firstRun);

    bool FirstRun() const { return m_firstRun; }
    bool associated(FileKind kind) const { return m_ticked[index(kind)]; }
    bool cancelAvailable() const { return !m_firstRun; }
    // The close box (and Escape) closes like "Cancel", except at a first run.
    bool mayClose() const { return !m_firstRun; }

    void setAssociated(FileKind kind, bool ticked);
    bool keepLayout() const { return m_keepLayout; }
    void setKeepLayout(bool keep);
    // "Okay": each kind, ships first, associated or no longer associated as its box says, and
    // its preference stored.
    void cmdOkay_Click();

private:
    static int index(FileKind kind) { return kind == FileKind::Ship ? 0 : 1; }
    void apply(FileKind kind);
    void reportDesktopFailure(FileKind kind, bool making, const QString& error);

    Settings& m_settings;
    UserPrompts& m_prompts;
    QString m_executable;
    const DesktopIntegration* m_desktop;
    bool m_firstRun = false;
    std::array<bool, 2> m_ticked{};
    bool m_keepLayout = false;
};

} // namespace kw
