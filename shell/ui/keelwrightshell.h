#pragma once

#include "shell/commandline.h"
#include "shell/startup.h"
#include "shell/ui/frmabout.h"
#include "shell/ui/windowhost.h"

#include <QObject>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

namespace kw {

class DesktopIntegration;
class DlgPrinter;
class FrmKeelwright;
class FrmMenu;
class FrmSplash;
class LinkOpener;
class ProgramWindow;
class QtUserPrompts;
class RecentFiles;
class Registry;
class RegistryBackend;
class Settings;
class ShipEditor;
class UserPrompts;

// Everything the program takes from the machine it runs on; tests give their own.
struct ShellEnvironment {
    QString programFolder;
    QString executable;                              // named by the file associations
    std::unique_ptr<RegistryBackend> registry;
    std::unique_ptr<DesktopIntegration> desktop;     // null where the registry makes associations real
    LinkOpener* links = nullptr;                     // null: the desktop's browser and mail program
    std::function<std::optional<QString>(const Registry&)> findSystemInfo;
    std::function<bool(const QString&)> startProgram;
    std::function<QSize()> screenSize;               // in pixels; null: the primary screen's
    Startup::Clock clock;
    UserPrompts* prompts = nullptr;                  // null: the platform's dialogs over each window
    std::function<void()> splashShown;               // called once the splash is on the screen
    std::function<void()> quit;                      // ends the event loop; null: the application's

    ShellEnvironment();
    ShellEnvironment(ShellEnvironment&&) noexcept;
    ~ShellEnvironment();
    static ShellEnvironment forThisSystem();
};

// The program as a whole: the splash, the main menu, the two main windows and the dialogs
// between them, from the start to EndProgram.
class KeelwrightShell : public QObject, public StartupHost, public WindowHost {
    Q_OBJECT

public:
    explicit KeelwrightShell(ShellEnvironment environment, QObject* parent = nullptr);
    ~KeelwrightShell() override;

    // The splash's load; the command line takes effect when the splash goes. False when the
    // program ended at once.
    bool start(const CommandLineAction& commandLine);
    bool ended() const { return m_ended; }

    const Startup& startup() const { return *m_startup; }
    Settings& settings() const { return *m_settings; }
    RecentFiles& recentFiles() const { return *m_recent; }
    FrmSplash* splash() const { return m_splash.get(); }
    FrmMenu* menu() const { return m_menu.get(); }
    FrmKeelwright* shipForm() const { return m_shipForm.get(); }
    ShipEditor* shipEditor() const { return m_editor.get(); }

    // StartupHost.
    void showSplash() override;
    void createMainWindows() override;
    void showFirstRunPreferences() override;
    void loadSystemPictures() override;
    void preloadWindows() override;
    void armUnloadTimer(int milliseconds) override;
    ProgramWindow& shipWindow() override { return *m_shipWindow; }
    ProgramWindow& fleetWindow() override { return *m_fleetWindow; }
    void showMainMenu() override;

    // WindowHost; EndProgram is StartupHost's too.
    void backToMenu() override;
    void EndProgram() override;
    void showPreferences(QWidget* owner) override;
    void showAbout(QWidget* owner) override;

Q_SIGNALS:
    void programEnded();

private:
    UserPrompts& promptsOver(QWidget* owner);
    void showPreferencesDialog(QWidget* owner, bool firstRun);
    void splashGone();
    void startWindow(ProgramWindow& window);

    ShellEnvironment m_env;
    std::unique_ptr<LinkOpener> m_ownLinks;
    std::vector<std::unique_ptr<QtUserPrompts>> m_ownPrompts;
    UserPrompts* m_shellPrompts = nullptr;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<Startup> m_startup;
    CommandLineAction m_commandLine;
    bool m_ended = false;

    std::unique_ptr<FrmSplash> m_splash;
    std::unique_ptr<DlgPrinter> m_printSetup;
    std::unique_ptr<ShipEditor> m_editor;
    std::unique_ptr<FrmKeelwright> m_shipForm;
    std::unique_ptr<ProgramWindow> m_shipWindow;
    std::unique_ptr<ProgramWindow> m_fleetWindow;
    std::unique_ptr<FrmMenu> m_menu;
};

} // namespace kw
