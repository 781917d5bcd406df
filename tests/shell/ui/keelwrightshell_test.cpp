#include "common/recentfiles.h"
#include "editor/shipeditor.h"
#include "editor/ui/frmkeelwright.h"
#include "fleet/ui/frmfleetorganizer.h"
#include "shell/programwindow.h"
#include "shell/settings.h"
#include "shell/ui/frmmenu.h"
#include "shell/ui/frmsplash.h"
#include "shell/version.h"
#include "storage/programfolder.h"
#include "tests/shell/ui/shellfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kw;

namespace {

class ShellTest : public ::testing::Test {
protected:
    // A program that has run before, so that no first-run questions come.
    bool startAgain(const CommandLineAction& action = {})
    {
        run.shell->settings().SetAppValue("Version", versionText());
        return run.shell->start(action);
    }
    // Started again and past the splash.
    bool pastSplash(const CommandLineAction& action = {})
    {
        const bool started = startAgain(action);
        if (started)
            run.shell->splash()->unload();
        return started;
    }
    QString vigilant() { return run.folder.write("Ships/Blue/Vigilant.shp", test::readFile(test::dataFile("ships/vigilant.shp"))); }
    QPushButton* menuButton(const char* name) { return run.shell->menu()->findChild<QPushButton*>(name); }
    QAction* editorItem(const char* name) { return run.shell->shipForm()->findChild<QAction*>(name); }
    QAction* fleetItem(FrmFleetOrganizer::FileItem item) { return run.shell->fleetForm()->fileItem(item); }
    ProgramWindow& fleetWindow() { return run.shell->fleetWindow(); }
    // The fixture fleet of three ships, copied into the program folder with its own folder.
    QString escortGroup()
    {
        for (const char* file : {"Escort Group/Hood.shp", "Escort Group/Scout.shp"})
            run.folder.write(QStringLiteral("Fleets/") + file, test::readFile(test::dataFile(QStringLiteral("fleets/") + file)));
        return run.folder.write("Fleets/Escort Group.flt", test::readFile(test::dataFile("fleets/Escort Group.flt")));
    }

    test::ShellRun run;
};

} // namespace

TEST_F(ShellTest, TheSplashGivesWayToTheMainMenu)
{
    ASSERT_TRUE(startAgain());
    FrmSplash* splash = run.shell->splash();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text(), "Version 1.5");
    EXPECT_TRUE(splash->findChild<QLabel*>("imgBG")->pixmap().width() > 0);
    EXPECT_TRUE(splash->unloadTimer()->isActive());
    EXPECT_FALSE(run.shell->menu()->isVisible());
    QTest::keyClick(splash, Qt::Key_Space);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(run.shell->menu()->isVisible());
    EXPECT_FALSE(run.shell->shipForm()->isVisible());
    EXPECT_TRUE(run.prompts.asked.isEmpty());
    // The samples came with the first start.
    EXPECT_TRUE(QFileInfo::exists(sidesFile(run.folder.path())));
}

TEST_F(ShellTest, StartKeelwrightThenBackToMenuBringsTheMenuBackAndAFreshEditorNextTime)
{
    ASSERT_TRUE(pastSplash());
    menuButton("cmdKW")->click();
    FrmKeelwright* editor = run.shell->shipForm();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(run.shell->menu()->isVisible());

    ASSERT_TRUE(run.shell->shipEditor()->OpenShip(vigilant()));
    editorItem("mnuFileItem_11")->trigger();   // Back to &Menu: nothing changed, nothing asked
    EXPECT_TRUE(run.shell->menu()->isVisible());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(run.prompts.asked.isEmpty());

    menuButton("cmdKW")->click();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(run.shell->shipEditor()->fields().name, "");
    EXPECT_FALSE(run.shell->shipEditor()->SavedBefore());
    // The ship opened before is the first recent ship, kept in the settings.
    EXPECT_EQ(run.shell->settings().recentFileStore().readPlace(RecentKind::Ships, 1), run.folder.ships() + "/Blue/Vigilant.shp");
}

TEST_F(ShellTest, ClosingTheMenuEndsTheProgramAndTakesOnlyAnEmptyScratchFolder)
{
    ASSERT_TRUE(pastSplash());
    QDir().mkpath(scratchFolder(run.folder.path()));
    QSignalSpy ended(run.shell.get(), &KeelwrightShell::programEnded);
    run.shell->menu()->close();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(run.quits, 1);
    EXPECT_TRUE(run.shell->ended());
    EXPECT_FALSE(QFileInfo::exists(scratchFolder(run.folder.path())));
}

TEST_F(ShellTest, ExitProgramAndTheEditorsConfirmedQuitBothEndThroughEndProgram)
{
    ASSERT_TRUE(pastSplash());
    menuButton("cmdKW")->click();
    QSignalSpy ended(run.shell.get(), &KeelwrightShell::programEnded);
    run.prompts.answers = {PromptAnswer::Yes};
    editorItem("mnuFileItem_12")->trigger();   // E&xit Program
    EXPECT_EQ(run.prompts.texts(), QStringList{"Are you sure you want to quit?"});
    EXPECT_TRUE(test::eventually([&] { return ended.count() == 1; }));
    EXPECT_FALSE(run.shell->shipForm()->isVisible());
    EXPECT_FALSE(run.shell->menu()->isVisible());
}

TEST_F(ShellTest, ALowerCaseShipSwitchOpensTheShipAndTheMenuStaysHidden)
{
    const QString path = vigilant();
    ASSERT_TRUE(pastSplash(ProcessCommandLine("\"/s " + path + "\"")));
    EXPECT_TRUE(run.shell->shipForm()->isVisible());
    EXPECT_FALSE(run.shell->menu()->isVisible());
    EXPECT_EQ(run.shell->shipEditor()->fields().name, "Vigilant");
}

TEST_F(ShellTest, AMissingShipOrFleetIsNotFoundAndItsWindowShowsAllTheSame)
{
    ASSERT_TRUE(pastSplash({CommandLineAction::Target::Ship, run.folder.path() + "/gone.shp"}));
    EXPECT_EQ(run.prompts.texts(), QStringList{"File not Found"});
    EXPECT_TRUE(run.shell->shipForm()->isVisible());
    EXPECT_FALSE(run.shell->menu()->isVisible());

    test::ShellRun fleetRun;
    fleetRun.shell->settings().SetAppValue("Version", versionText());
    ASSERT_TRUE(fleetRun.shell->start({CommandLineAction::Target::Fleet, fleetRun.folder.path() + "/gone.flt"}));
    fleetRun.shell->splash()->unload();
    EXPECT_EQ(fleetRun.prompts.texts(), QStringList{"File not Found"});
    EXPECT_TRUE(fleetRun.shell->fleetForm()->isVisible());
}

TEST_F(ShellTest, TheFleetSwitchAndTheMenuButtonReachTheFleetOrganizer)
{
    const QString escort = escortGroup();
    ASSERT_TRUE(pastSplash({CommandLineAction::Target::Fleet, escort}));
    FrmFleetOrganizer* fleet = run.shell->fleetForm();
    EXPECT_TRUE(fleetWindow().isWindowVisible());
    EXPECT_TRUE(fleet->isVisible());
    EXPECT_FALSE(run.shell->menu()->isVisible());
    EXPECT_EQ(fleet->findChild<QListWidget*>("lstFleet")->count(), 3);
    EXPECT_EQ(fleet->findChild<QLineEdit*>("txtID_1")->text(), "E1");
    EXPECT_EQ(run.shell->settings().recentFileStore().readPlace(RecentKind::Fleets, 1), escort);
    // The cards' pictures are kept in the run's scratch folder.
    EXPECT_FALSE(QDir(scratchFolder(run.folder.path())).isEmpty());

    fleetItem(FrmFleetOrganizer::FileItem::BackToMenu)->trigger();   // nothing changed, nothing asked
    EXPECT_TRUE(run.shell->menu()->isVisible());
    EXPECT_FALSE(fleet->isVisible());
    menuButton("cmdFO")->click();
    EXPECT_TRUE(fleet->isVisible());
    EXPECT_FALSE(run.shell->menu()->isVisible());
    EXPECT_EQ(fleet->findChild<QListWidget*>("lstFleet")->count(), 0) << "loaded afresh";
    EXPECT_EQ(fleet->findChild<QComboBox*>("cmbSide")->currentText(), "Blue");
    EXPECT_TRUE(run.prompts.asked.isEmpty());
}

TEST_F(ShellTest, ClosingTheFleetOrganizerEndsAtOnceLeavingNoScratchFiles)
{
    ASSERT_TRUE(pastSplash({CommandLineAction::Target::Fleet, escortGroup()}));
    FrmFleetOrganizer* fleet = run.shell->fleetForm();
    QSignalSpy ended(run.shell.get(), &KeelwrightShell::programEnded);
    run.prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};   // quit, and without saving
    fleet->close();
    EXPECT_EQ(run.prompts.asked.size(), 2);
    EXPECT_TRUE(test::eventually([&] { return ended.count() == 1; }));
    EXPECT_FALSE(fleet->isVisible());
    EXPECT_FALSE(QFileInfo::exists(scratchFolder(run.folder.path())));
}

TEST_F(ShellTest, ATooSmallScreenEndsTheProgramWithoutTheSplash)
{
    test::ShellRun small({800, 599});
    QSignalSpy ended(small.shell.get(), &KeelwrightShell::programEnded);
    EXPECT_FALSE(small.shell->start({}));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(small.shell->splash(), nullptr);
    EXPECT_EQ(small.prompts.asked.size(), 1);
}

TEST_F(ShellTest, TheFirstRunShowsThePreferencesWithoutCancelOverTheSplash)
{
    QString shown;
    test::whenModal([&](QWidget* dialog) {
        shown = dialog->objectName();
        EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdCancel")->isVisible());
        dialog->findChild<QCheckBox*>("chkAssocFleet")->setChecked(true);
        dialog->findChild<QPushButton*>("cmdOkay")->click();
    });
    ASSERT_TRUE(run.shell->start({}));
    EXPECT_EQ(shown, "frmPrefs");
    EXPECT_EQ(run.prompts.asked.size(), 1);
    EXPECT_EQ(run.shell->settings().GetPref("FleetAssoc"), "1");
    EXPECT_EQ(run.shell->settings().storedVersion(), "1.5.3");
}

TEST_F(ShellTest, TheRecentShipsOfOneRunAreInTheEditorsMenuOfTheNext)
{
    const QString settingsFile = run.settings.filePath("registry.txt");
    ASSERT_TRUE(pastSplash());
    const QString path = vigilant();
    ASSERT_TRUE(run.shell->shipEditor()->OpenShip(path));
    run.shell.reset();

    test::ShellRun next({1024, 768}, settingsFile);
    ASSERT_TRUE(next.shell->start({}));
    next.shell->splash()->unload();
    next.shell->menu()->findChild<QPushButton*>("cmdKW")->click();
    QAction* first = next.shell->shipForm()->findChild<QAction*>("mnuRecent_0");
    EXPECT_EQ(first->text(), "&1.  " + path);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(ShellTest, BothWindowsOpenThePreferencesAndTheAboutBoxOverThemselves)
{
    ASSERT_TRUE(pastSplash());
    EXPECT_FALSE(run.shell->shipEditor()->keepLayout());
    const std::tuple<const char*, const char*, bool> windows[] = {{"cmdKW", "mnuToolsItem_2", true},
                                                                  {"cmdFO", "mnuToolsItem_0", false}};
    for (const auto& [button, preferences, editor] : windows) {
        SCOPED_TRACE(button);
        menuButton(button)->click();
        QWidget* window = editor ? static_cast<QWidget*>(run.shell->shipForm()) : run.shell->fleetForm();
        QStringList seen;
        for (const char* item : {preferences, "mnuHelpItem_2"}) {
            test::whenModal([&, window = window](QWidget* dialog) {
                seen << dialog->windowTitle();
                EXPECT_EQ(dialog->parentWidget(), window);
                if (auto* keep = dialog->findChild<QCheckBox*>("chkKeepLayout"))
                    keep->setChecked(true);
                dialog->findChild<QPushButton*>(seen.size() == 1 ? "cmdOkay" : "cmdOK")->click();
            });
            window->findChild<QAction*>(item)->trigger();
        }
        EXPECT_EQ(seen, (QStringList{"Keelwright Preferences", "About Starmarch Keelwright"}));
        // What the dialog stores reaches the editor at once.
        EXPECT_TRUE(run.shell->shipEditor()->keepLayout());
        EXPECT_EQ(window->findChild<QAction*>("mnuEditSideNames"), nullptr);
        window->findChild<QAction*>("mnuFileItem_11")->trigger();   // back to the menu, nothing asked
    }
    EXPECT_TRUE(run.prompts.asked.isEmpty());

    // The organizer's Exit ends the program at once when nothing changed.
    menuButton("cmdFO")->click();
    QSignalSpy ended(run.shell.get(), &KeelwrightShell::programEnded);
    fleetItem(FrmFleetOrganizer::FileItem::ExitProgram)->trigger();
    EXPECT_TRUE(test::eventually([&] { return ended.count() == 1; }));
    EXPECT_FALSE(run.shell->fleetForm()->isVisible());
}
