#include "shell/fileregistrybackend.h"
#include "shell/registry.h"
#include "shell/settings.h"
#include "tests/support/fakeprompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

namespace {

// One run of the program over a settings file; a second one over the same file is the next run.
struct ProgramRun {
    explicit ProgramRun(const QString& file) : backend(file) {}
    FileRegistryBackend backend;
    test::FakePrompts prompts;
    Registry registry{backend, prompts};
    Settings settings{registry, prompts};
    RecentFiles recent{settings.recentFileStore()};
};

class SettingsTest : public ::testing::Test {
protected:
    QString file() const { return dir.filePath("registry.txt"); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SettingsTest, TheFirstRunStoresTheVersionAndEmptiesBothListsUnderTheirKeys)
{
    ProgramRun run(file());
    EXPECT_EQ(run.settings.storedVersion(), "");
    run.settings.InitialiseSettings("1.5.3");
    EXPECT_EQ(run.registry.GetRegString(RegistryRoot::CurrentUser,
                                        "Software\\Starmarch Keelwright\\Starmarch Keelwright", "Version"),
              "1.5.3");
    for (const char* list : {"RecentShips", "RecentFleets"}) {
        for (int place = 1; place <= 5; ++place) {
            // Present and empty: reading them raises nothing.
            EXPECT_EQ(run.registry.GetRegString(RegistryRoot::CurrentUser,
                                                QStringLiteral("Software\\Starmarch Keelwright\\") + list,
                                                QStringLiteral("File%1").arg(place)),
                      "");
        }
    }
    run.settings.SetPref("ShipAssoc", "1");
    EXPECT_EQ(run.registry.GetRegString(RegistryRoot::CurrentUser, "Software\\Starmarch Keelwright\\Prefs", "ShipAssoc"), "1");
    EXPECT_EQ(ProgramRun(file()).settings.storedVersion(), "1.5.3");
}

// The list's own rules are the recent files' business; here: both lists live in the settings.
TEST_F(SettingsTest, TheNextRunFindsBothRecentListsAsTheyWereLeft)
{
    ProgramRun run(file());
    run.settings.InitialiseSettings("1.5.3");
    for (const char* path : {R"(C:\Ships\A.shp)", R"(C:\Ships\B.shp)", R"(C:\Ships\C.shp)", R"(C:\Ships\B.shp)"})
        run.recent.AddRecentFile(path, RecentKind::Ships);
    run.recent.AddRecentFile("F.flt", RecentKind::Fleets);
    ProgramRun next(file());
    EXPECT_EQ(next.recent.places(RecentKind::Ships),
              (QStringList{R"(C:\Ships\B.shp)", R"(C:\Ships\C.shp)", R"(C:\Ships\A.shp)", "", ""}));
    EXPECT_EQ(next.recent.places(RecentKind::Fleets), (QStringList{"F.flt", "", "", "", ""}));
}

TEST_F(SettingsTest, AMissingPlaceOrPreferenceReadsAsEmpty)
{
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[HKEY_CURRENT_USER\\Software\\Starmarch Keelwright\\RecentShips]\n\"File1\"=\"a.shp\"\n"
                "[HKEY_CURRENT_USER\\Software\\Starmarch Keelwright\\Prefs]\n");
    }
    ProgramRun run(file());
    EXPECT_EQ(run.recent.places(RecentKind::Ships), (QStringList{"a.shp", "", "", "", ""}));
    EXPECT_EQ(run.settings.GetPref("ShipAssoc"), "");
    EXPECT_TRUE(run.prompts.asked.isEmpty());
}

TEST_F(SettingsTest, ASettingThatCannotBeSavedIsToldOnce)
{
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    ProgramRun run(dir.filePath("blocked/registry.txt"));
    run.settings.InitialiseSettings("1.5.3");
    run.recent.AddRecentFile("a.shp", RecentKind::Ships);
    ASSERT_EQ(run.prompts.asked.size(), 1);
    EXPECT_TRUE(run.prompts.asked[0].text.startsWith("RegCreateKeyEx failed!\r\n(error 80041773 in SetRegString)"));
    EXPECT_EQ(run.prompts.asked[0].icon, PromptIcon::Exclamation);
}
