#include "shell/startup.h"

#include "common/userprompts.h"
#include "shell/programwindow.h"
#include "shell/registry.h"
#include "shell/settings.h"
#include "shell/version.h"

namespace kw {

Startup::Startup(Settings& settings, UserPrompts& prompts, StartupHost& host, Clock clock)
    : m_settings(settings), m_prompts(prompts), m_host(host), m_clock(std::move(clock))
{
}

bool Startup::screenLargeEnough(QSize pixels)
{
    return pixels.width() >= 800 && pixels.height() >= 600;
}

QString Startup::smallScreenMessage()
{
    return QStringLiteral("This program requires a minimum screen resolution of 800x600.\r\n"
                          "Please change to a suitable resolution and try again.\r\n"
                          "\r\n"
                          "If your screen is set to a correct resolution already, try increasing it, \r\n"
                          "and then setting it back again, then try and run the program.");
}

int Startup::remainingSplashTime(qint64 elapsed)
{
    return static_cast<int>(qMax<qint64>(1, kSplashMilliseconds - qMax<qint64>(0, elapsed)));
}

bool Startup::Start(QSize screenPixels)
{
    if (!screenLargeEnough(screenPixels)) {
        m_prompts.tell(smallScreenMessage());
        m_host.EndProgram();
        return false;
    }
    m_smallScreen = screenPixels == QSize(800, 600);
    m_host.showSplash();
    m_host.createMainWindows();
    checkVersion();
    m_firstRun = false;
    LoadSystemPictures();
    return true;
}

void Startup::checkVersion()
{
    // Settings that cannot be read say nothing about earlier runs, and nothing can be stored in
    // them: the user hears why once, and the program starts with its defaults.
    if (const std::optional<QString> problem = m_settings.registry().backend().problem()) {
        m_prompts.tell(*problem + QStringLiteral("\r\n\r\nThe program starts with its usual settings and saves none "
                                                 "until the file is mended or removed."),
                       PromptIcon::Exclamation);
        return;
    }
    const QString current = versionText();
    if (m_settings.storedVersion().isEmpty()) {
        m_firstRun = true;
        m_settings.InitialiseSettings(current);
        m_prompts.tell(QStringLiteral("As this is the first time you have run the Starmarch Keelwright, \r\n"
                                      "you are required to select a few preferences."),
                       PromptIcon::Exclamation);
        m_host.showFirstRunPreferences();
        // The version was stored with the first-run values, so no new-version message follows,
        // even when storing it failed.
        return;
    }
    if (m_settings.storedVersion() != current) {
        m_settings.SetAppValue(kVersionValue, current);
        m_prompts.tell(QStringLiteral("This is a new Version to the one you were using.\r\n\r\n"
                                      "Please Check the preferences screen in case of changes."));
    }
}

void Startup::LoadSystemPictures()
{
    const qint64 start = m_clock();
    m_host.loadSystemPictures();
    m_host.preloadWindows();
    m_host.armUnloadTimer(remainingSplashTime(m_clock() - start));
}

void Startup::ProcessCommandLine(const CommandLineAction& action)
{
    switch (action.target) {
    case CommandLineAction::Target::Ship:
        m_host.shipWindow().openFile(action.path);
        return;
    case CommandLineAction::Target::Fleet:
        m_host.fleetWindow().openFile(action.path);
        return;
    case CommandLineAction::Target::MainMenu:
        m_host.showMainMenu();
        return;
    }
}

} // namespace kw
