#include "shell/fileregistrybackend.h"
#include "shell/programwindow.h"
#include "shell/registry.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/version.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

namespace {

const QString kFirstRun = QStringLiteral("As this is the first time you have run the Starmarch Keelwright, \r\n"
                                         "you are required to select a few preferences.");
const QString kNewVersion = QStringLiteral("This is a new Version to the one you were using.\r\n\r\n"
                                           "Please Check the preferences screen in case of changes.");

class FakeWindow : public ProgramWindow {
public:
    explicit FakeWindow(QStringList& log, const QString& name) : m_log(log), m_name(name) {}
    void showWindow() override { m_log << m_name + " shown"; }
    void openFile(const QString& path) override { m_log << m_name + " opens " + path; }
    bool isWindowVisible() const override { return false; }
    void unloadByProgram() override { m_log << m_name + " unloaded"; }

private:
    QStringList& m_log;
    QString m_name;
};

// Records the start-up's steps; loading the pictures takes as long as the test says.
class FakeHost : public StartupHost {
public:
    void showSplash() override { log << "splash"; }
    void createMainWindows() override { log << "windows"; }
    void showFirstRunPreferences() override { log << "first-run preferences"; }
    void loadSystemPictures() override
    {
        log << "pictures";
        now += loading;
    }
    void preloadWindows() override { log << "printer and menu"; }
    void armUnloadTimer(int milliseconds) override { log << QStringLiteral("timer %1").arg(milliseconds); }
    void EndProgram() override { log << "end"; }
    ProgramWindow& shipWindow() override { return ship; }
    ProgramWindow& fleetWindow() override { return fleet; }
    void showMainMenu() override { log << "menu"; }

    QStringList log;
    qint64 now = 5000;
    qint64 loading = 300;
    FakeWindow ship{log, "editor"};
    FakeWindow fleet{log, "organizer"};
};

class StartupTest : public ::testing::Test {
protected:
    QString file() const { return dir.filePath("registry.txt"); }
    void storeVersion(const QString& version) { settings.SetAppValue("Version", version); }

    QTemporaryDir dir;
    FileRegistryBackend backend{file()};
    test::FakePrompts prompts;
    Registry registry{backend, prompts};
    Settings settings{registry, prompts};
    FakeHost host;
    Startup startup{settings, prompts, host, [this] { return host.now; }};
};

} // namespace

TEST_F(StartupTest, ScreensBelow800By600EndTheProgramAndOnlyExactly800By600IsSmall)
{
    for (QSize screen : {QSize(800, 599), QSize(799, 600)}) {
        host.log.clear();
        prompts.clear();
        EXPECT_FALSE(startup.Start(screen));
        EXPECT_EQ(host.log, QStringList{"end"});
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_EQ(prompts.asked[0].text,
                  "This program requires a minimum screen resolution of 800x600.\r\n"
                  "Please change to a suitable resolution and try again.\r\n\r\n"
                  "If your screen is set to a correct resolution already, try increasing it, \r\n"
                  "and then setting it back again, then try and run the program.");
        EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
        EXPECT_EQ(prompts.asked[0].title, "Starmarch Keelwright");
    }
    // Only a screen of exactly 800 x 600 is small.
    storeVersion(versionText());
    Startup small{settings, prompts, host, [this] { return host.now; }};
    EXPECT_TRUE(small.Start({800, 600}));
    EXPECT_TRUE(small.SmallScreen());
    Startup large{settings, prompts, host, [this] { return host.now; }};
    EXPECT_TRUE(large.Start({1024, 768}));
    EXPECT_FALSE(large.SmallScreen());
}

TEST_F(StartupTest, TheFirstRunAsksForPreferencesAndNothingMore)
{
    EXPECT_TRUE(startup.Start({1024, 768}));
    EXPECT_EQ(prompts.texts(), QStringList{kFirstRun});
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(host.log, (QStringList{"splash", "windows", "first-run preferences", "pictures", "printer and menu", "timer 1700"}));
    EXPECT_EQ(settings.storedVersion(), "1.5.3");
    EXPECT_FALSE(startup.FirstRun());
}

TEST_F(StartupTest, ANewVersionIsToldOnceAndStored)
{
    storeVersion("1.5.2");
    EXPECT_TRUE(startup.Start({1024, 768}));
    EXPECT_EQ(prompts.texts(), QStringList{kNewVersion});
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    EXPECT_EQ(settings.storedVersion(), "1.5.3");
    EXPECT_FALSE(host.log.contains("first-run preferences"));

    prompts.clear();
    Startup next{settings, prompts, host, [this] { return host.now; }};
    EXPECT_TRUE(next.Start({1024, 768}));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(StartupTest, TheSplashStaysTwoSecondsFromTheStartOfLoadingAndAtLeastOneMillisecond)
{
    EXPECT_EQ(Startup::remainingSplashTime(1999), 1);
    EXPECT_EQ(Startup::remainingSplashTime(2000), 1);
    storeVersion(versionText());
    host.loading = 2500;
    startup.Start({1024, 768});
    EXPECT_EQ(host.log.last(), "timer 1");
}

TEST_F(StartupTest, ASettingsFileThatCannotBeReadIsToldAndLeftAlone)
{
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("garbage\n");
    }
    EXPECT_TRUE(startup.Start({1024, 768}));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.lastText().startsWith("The settings file ")) << prompts.lastText().toStdString();
    EXPECT_FALSE(host.log.contains("first-run preferences"));
    EXPECT_EQ(test::readFile(file()), "garbage\n");
}

TEST_F(StartupTest, TheCommandLineSendsTheUserToTheMenuAShipOrAFleet)
{
    startup.ProcessCommandLine({CommandLineAction::Target::Ship, "/home/me/Hawk.shp"});
    startup.ProcessCommandLine({CommandLineAction::Target::Fleet, "/home/me/Home.flt"});
    startup.ProcessCommandLine({});
    EXPECT_EQ(host.log, (QStringList{"editor opens /home/me/Hawk.shp", "organizer opens /home/me/Home.flt", "menu"}));
}
