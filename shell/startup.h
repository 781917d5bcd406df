#pragma once

#include "shell/commandline.h"

#include <QSize>
#include <QString>
#include <functional>

namespace kw {

class ProgramWindow;
class Settings;
class UserPrompts;

// The splash's load, step by step, asks the windows for these.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual void showSplash() = 0;
    // The ship editor and the Fleet Organizer, made but not shown.
    virtual void createMainWindows() = 0;
    // The preferences dialog in its first-run mode, modal over the splash.
    virtual void showFirstRunPreferences() = 0;
    // The 52 system pictures.
    virtual void loadSystemPictures() = 0;
    // The print setup and the main menu, loaded but not shown.
    virtual void preloadWindows() = 0;
    // The splash goes after this many milliseconds, unless a click or a key sends it earlier.
    virtual void armUnloadTimer(int milliseconds) = 0;
    virtual void EndProgram() = 0;

    // For the command line.
    virtual ProgramWindow& shipWindow() = 0;
    virtual ProgramWindow& fleetWindow() = 0;
    virtual void showMainMenu() = 0;
};

// The start of the program: the screen check, the first run or a new version, the pictures and
// the windows, and, once the splash has gone, the command line.
class Startup {
public:
    // A monotonic clock in milliseconds.
    using Clock = std::function<qint64()>;
    static constexpr int kSplashMilliseconds = 2000;

    Startup(Settings& settings, UserPrompts& prompts, StartupHost& host, Clock clock);

    // The splash's load. False when the program ended instead (a screen that is too small).
    bool Start(QSize screenPixels);
    // The splash's unload: the command line sends the user to the menu, a ship or a fleet.
    void ProcessCommandLine(const CommandLineAction& action);

    bool SmallScreen() const { return m_smallScreen; }
    bool FirstRun() const { return m_firstRun; }

    static bool screenLargeEnough(QSize pixels);
    // What is left of the splash's two seconds after loading took `elapsed`; at least 1 ms.
    static int remainingSplashTime(qint64 elapsed);
    // The message of a screen below 800 x 600.
    static QString smallScreenMessage();

private:
    void checkVersion();
    void LoadSystemPictures();

    Settings& m_settings;
    UserPrompts& m_prompts;
    StartupHost& m_host;
    Clock m_clock;
    bool m_smallScreen = false;
    bool m_firstRun = false;
};

} // namespace kw
