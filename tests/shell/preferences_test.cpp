#include "shell/desktopintegration.h"
#include "shell/fileregistrybackend.h"
#include "shell/preferences.h"
#include "shell/registry.h"
#include "shell/settings.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

namespace {

constexpr RegistryRoot HKCR = RegistryRoot::ClassesRoot;
const QString kProgram = QStringLiteral("/opt/Star Keel/keelwright");

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest()
        : desktop(data.path(), kProgram,
                  [this](const QString& program, const QStringList& arguments) { ran << program + ' ' + arguments.join(' '); })
    {
        settings.InitialiseSettings("1.5.3");
    }
    QString read(const QString& key, const QString& name = {}) { return registry.GetRegString(HKCR, key, name); }
    bool exists(const QString& path) const { return QFileInfo::exists(path); }

    QTemporaryDir dir;
    QTemporaryDir data;
    FileRegistryBackend backend{dir.filePath("registry.txt")};
    test::FakePrompts prompts;
    Registry registry{backend, prompts};
    Settings settings{registry, prompts};
    QStringList ran;
    DesktopIntegration desktop;
    Preferences preferences{settings, prompts, kProgram, &desktop};
};

} // namespace

TEST_F(PreferencesTest, TickingWritesTheClassEntriesTheDesktopFilesAndThePreference)
{
    preferences.Load(false);
    EXPECT_FALSE(preferences.associated(FileKind::Ship));
    preferences.setAssociated(FileKind::Ship, true);
    preferences.cmdOkay_Click();

    EXPECT_EQ(read(".shp"), "shpfile");
    EXPECT_EQ(read("shpfile"), "Starmarch Ship Design");
    EXPECT_EQ(read("shpfile", "EditFlags"), "hex:00,00,00,00");
    EXPECT_EQ(read("shpfile\\Shell"), "");
    EXPECT_EQ(read("shpfile\\Shell\\Open\\Command"), "\"" + QDir::toNativeSeparators(kProgram) + "\" \"/S %1\"");
    EXPECT_EQ(settings.GetPref("ShipAssoc"), "1");
    EXPECT_EQ(settings.GetPref("FleetAssoc"), "0");
    EXPECT_FALSE(backend.openKey(HKCR, ".flt"));

    const QByteArray entry = test::readFile(desktop.desktopEntryPath(FileKind::Ship));
    EXPECT_TRUE(entry.contains("Exec=\"/opt/Star Keel/keelwright\" /S %f\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("MimeType=application/x-starmarch-ship;\n"));
    EXPECT_TRUE(test::readFile(desktop.mimePackagePath(FileKind::Ship)).contains("<glob pattern=\"*.shp\"/>"));
    EXPECT_FALSE(exists(desktop.desktopEntryPath(FileKind::Fleet)));
    EXPECT_TRUE(ran.contains("update-mime-database " + data.path() + "/mime"));
    EXPECT_TRUE(ran.contains("update-desktop-database " + data.path() + "/applications"));

    // The dialog shows what was stored the next time.
    preferences.Load(false);
    EXPECT_TRUE(preferences.associated(FileKind::Ship));
    EXPECT_FALSE(preferences.associated(FileKind::Fleet));
}

TEST_F(PreferencesTest, UntickingRemovesExactlyWhatTickingMadeAndOnlyWhenItWasMade)
{
    preferences.Load(false);
    preferences.setAssociated(FileKind::Ship, true);
    preferences.setAssociated(FileKind::Fleet, true);
    preferences.cmdOkay_Click();
    EXPECT_EQ(read("fltfile\\Shell\\Open\\Command"), "\"" + QDir::toNativeSeparators(kProgram) + "\" \"/F %1\"");

    preferences.Load(false);
    preferences.setAssociated(FileKind::Ship, false);
    preferences.cmdOkay_Click();
    EXPECT_FALSE(backend.openKey(HKCR, ".shp"));
    EXPECT_FALSE(backend.openKey(HKCR, "shpfile"));
    EXPECT_FALSE(exists(desktop.desktopEntryPath(FileKind::Ship)));
    EXPECT_FALSE(exists(desktop.mimePackagePath(FileKind::Ship)));
    EXPECT_EQ(settings.GetPref("ShipAssoc"), "0");
    EXPECT_TRUE(backend.openKey(HKCR, "fltfile"));
    EXPECT_TRUE(exists(desktop.desktopEntryPath(FileKind::Fleet)));

    // Already "0": keys made by someone else stay.
    registry.SetRegString(HKCR, ".shp", {}, "someoneelse");
    preferences.Load(false);
    preferences.cmdOkay_Click();
    EXPECT_EQ(read(".shp"), "someoneelse");
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(PreferencesTest, TheFirstRunHasNoCancelAndNoWayOutButOkay)
{
    settings.SetPref("ShipAssoc", "1");
    preferences.Load(true);
    EXPECT_TRUE(preferences.FirstRun());
    EXPECT_FALSE(preferences.cancelAvailable());
    EXPECT_FALSE(preferences.mayClose());
    EXPECT_FALSE(preferences.associated(FileKind::Ship));
    preferences.Load(false);
    EXPECT_TRUE(preferences.cancelAvailable());
    EXPECT_TRUE(preferences.mayClose());
    // Anything but "1" leaves the box clear.
    settings.SetPref("FleetAssoc", "yes");
    preferences.Load(false);
    EXPECT_FALSE(preferences.associated(FileKind::Fleet));
}

TEST_F(PreferencesTest, ADesktopFolderThatCannotBeWrittenIsToldAndThePreferenceStillStored)
{
    QFile blocker(data.filePath("applications"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    preferences.Load(false);
    preferences.setAssociated(FileKind::Ship, true);
    preferences.cmdOkay_Click();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.lastText().startsWith("The association with .shp files could not be made:\r\n"));
    EXPECT_TRUE(prompts.lastText().contains(QDir::toNativeSeparators(data.filePath("applications"))));
    EXPECT_EQ(settings.GetPref("ShipAssoc"), "1");
}

TEST(DesktopEntry, ExecArgumentsAreQuotedAndEscapedAsTheEntriesRequire)
{
    EXPECT_EQ(DesktopIntegration::execArgument("/usr/bin/keelwright"), "\"/usr/bin/keelwright\"");
    EXPECT_EQ(DesktopIntegration::execArgument("/a b/k"), "\"/a b/k\"");
    // Quoting escapes ", `, $ and \ with a backslash; then the value escapes every backslash.
    EXPECT_EQ(DesktopIntegration::execArgument(R"(/x"$`\y)"), R"("/x\\"\\$\\`\\\\y")");
    EXPECT_EQ(DesktopIntegration::execArgument("/100%/k"), "\"/100%%/k\"");
    EXPECT_EQ(DesktopIntegration::execArgument("/a\nb"), "\"/a\\nb\"");
}
