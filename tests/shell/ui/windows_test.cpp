#include "shell/fileregistrybackend.h"
#include "shell/preferences.h"
#include "shell/registry.h"
#include "shell/settings.h"
#include "shell/systeminfo.h"
#include "shell/ui/frmabout.h"
#include "shell/ui/frmmenu.h"
#include "shell/ui/frmprefs.h"
#include "shell/ui/frmsplash.h"
#include "shell/ui/linklabel.h"
#include "tests/shell/ui/shellfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kw;

namespace {

QColor textColour(QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

void moveOnto(QWidget* widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &enter);
}

} // namespace

TEST(Splash, AClickOrAKeyCountsOnlyOnceTheTimerIsArmedAndTheTimerSendsItAway)
{
    FrmSplash splash;
    QSignalSpy gone(&splash, &FrmSplash::unloaded);
    splash.show();
    QTest::mouseClick(splash.findChild<QLabel*>("lblCompany"), Qt::LeftButton);
    EXPECT_EQ(gone.count(), 0);
    splash.armUnloadTimer(1700);
    EXPECT_EQ(splash.unloadTimer()->interval(), 1700);
    EXPECT_TRUE(splash.unloadTimer()->isActive());
    QTest::mouseClick(splash.findChild<QLabel*>("imgBG"), Qt::LeftButton);
    EXPECT_EQ(gone.count(), 1);
    QTest::keyClick(&splash, Qt::Key_Escape);
    splash.unload();
    EXPECT_EQ(gone.count(), 1);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.unloadTimer()->isActive());

    // Left alone, the timer sends it away.
    FrmSplash timed;
    QSignalSpy timedOut(&timed, &FrmSplash::unloaded);
    timed.show();
    timed.armUnloadTimer(1);
    EXPECT_TRUE(timedOut.wait(1000));
}

TEST(MainMenu, CaptionsButtonsAndLinks)
{
    test::RecordedLinks links;
    FrmMenu menu(links);
    menu.show();
    EXPECT_EQ(menu.windowTitle(), "Keelwright");
    EXPECT_EQ(menu.findChild<QLabel*>("lblVersion")->text(), "Version 1.5");
    const std::pair<const char*, const char*> buttons[] = {{"cmdKW", "Start Keelwright"},
                                                           {"cmdFO", "Start Fleet Organizer"},
                                                           {"cmdPrefs", "Edit Preferences"},
                                                           {"cmdExit", "Exit Program"}};
    for (auto [name, caption] : buttons)
        EXPECT_EQ(menu.findChild<QPushButton*>(name)->text(), caption);
    EXPECT_EQ(menu.findChild<QLabel*>("Labels_1")->text(), "  Updates, information and downloads can be found at:");
    EXPECT_FALSE(menu.findChild<QLabel*>("imgHeader")->pixmap().isNull());

    auto* web = menu.findChild<LinkLabel*>("lblLink");
    auto* mail = menu.findChild<LinkLabel*>("lblEmail");
    EXPECT_EQ(textColour(web), QColor(0, 0, 255));
    moveOnto(web);
    EXPECT_EQ(textColour(web), QColor(255, 0, 0));
    EXPECT_EQ(textColour(mail), QColor(0, 0, 255));
    // Over a text label or the window itself both links are blue again.
    QTest::mouseMove(menu.findChild<QLabel*>("Labels_0"));
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), menu.mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&menu, &move);
    EXPECT_EQ(textColour(web), QColor(0, 0, 255));

    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    ASSERT_EQ(links.opened.size(), 2);
    EXPECT_EQ(links.opened[0], web->text());
    EXPECT_EQ(links.opened[1], "mailto:" + mail->text());

    QSignalSpy end(&menu, &FrmMenu::endProgram);
    menu.findChild<QPushButton*>("cmdExit")->click();
    menu.close();
    EXPECT_EQ(end.count(), 2);
    menu.show();
    menu.closeByProgram();
    EXPECT_EQ(end.count(), 2);
}

TEST(AboutBox, ShowsTheFullVersionAndFindsTheSystemInformationOrSaysItCannot)
{
    test::RecordedLinks links;
    test::FakePrompts prompts;
    QStringList started;
    std::optional<QString> tool;
    FrmAbout about(links, prompts,
                   {[&] { return tool; }, [&](const QString& program) {
                        started << program;
                        return true;
                    }});
    EXPECT_EQ(about.windowTitle(), "About Starmarch Keelwright");
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Starmarch Keelwright");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 1.5.3");
    EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text().count('\n'), 9);
    EXPECT_EQ(about.findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");
    EXPECT_NE(about.findChild<LinkLabel*>("lblEmail"), nullptr);

    about.findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_EQ(prompts.texts(), QStringList{"System Information Is Unavailable At This Time"});
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    tool = "/usr/bin/hardinfo";
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_EQ(started, QStringList{"/usr/bin/hardinfo"});
    EXPECT_EQ(prompts.asked.size(), 1);
}

TEST(SystemInfo, WindowsLooksInTheRegistryAndOtherSystemsOnThePath)
{
    QTemporaryDir dir;
    FileRegistryBackend backend(dir.filePath("registry.txt"));
    test::FakePrompts prompts;
    Registry registry(backend, prompts);
    const auto isFile = [](const QString& path) { return path == R"(C:\Tools\MSINFO32.EXE)"; };
    EXPECT_EQ(findSystemInfoTool({&registry, isFile, {}}), std::nullopt);
    registry.SetRegString(RegistryRoot::LocalMachine, R"(SOFTWARE\Microsoft\Shared Tools Location)", "MSINFO", R"(C:\Tools)");
    EXPECT_EQ(findSystemInfoTool({&registry, isFile, {}}), R"(C:\Tools\MSINFO32.EXE)");
    registry.SetRegString(RegistryRoot::LocalMachine, R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH", R"(C:\Info\msinfo.exe)");
    EXPECT_EQ(findSystemInfoTool({&registry, isFile, {}}), R"(C:\Info\msinfo.exe)");

    const auto onPath = [](const QString& name) { return name == "kinfocenter" ? "/usr/bin/kinfocenter" : QString(); };
    EXPECT_EQ(findSystemInfoTool({nullptr, isFile, onPath}), "/usr/bin/kinfocenter");
    EXPECT_EQ(findSystemInfoTool({nullptr, isFile, [](const QString&) { return QString(); }}), std::nullopt);
}

TEST(PreferencesDialog, AtAFirstRunOnlyOkayClosesItAndOkaySitsInTheMiddle)
{
    test::TestFolder folder;
    QTemporaryDir dir;
    FileRegistryBackend backend(dir.filePath("registry.txt"));
    test::FakePrompts prompts;
    Registry registry(backend, prompts);
    Settings settings(registry, prompts);
    Preferences preferences(settings, prompts, "/usr/bin/keelwright", nullptr);
    preferences.Load(true);
    FrmPrefs dialog(preferences, folder.path(), prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Keelwright Preferences");
    EXPECT_EQ(dialog.findChild<QCheckBox*>("chkAssocShip")->text(), "Associate with .shp ship files");
    EXPECT_EQ(dialog.findChild<QCheckBox*>("chkAssocFleet")->text(), "Associate with .flt fleet files");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdEditSides")->text(), "Edit Side Names");
    auto* okay = dialog.findChild<QPushButton*>("cmdOkay");
    auto* cancel = dialog.findChild<QPushButton*>("cmdCancel");
    EXPECT_EQ(okay->text(), "Okay");
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_FALSE(cancel->isEnabled());
    const int middle = okay->mapTo(&dialog, okay->rect().center()).x();
    EXPECT_LE(std::abs(middle - dialog.width() / 2), 1);

    dialog.close();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    dialog.findChild<QCheckBox*>("chkAssocShip")->setChecked(true);
    okay->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.GetPref("ShipAssoc"), "1");

    // Not at a first run: Cancel is there, and leaves everything as it was.
    preferences.Load(false);
    FrmPrefs again(preferences, folder.path(), prompts);
    again.show();
    EXPECT_TRUE(again.findChild<QCheckBox*>("chkAssocShip")->isChecked());
    EXPECT_TRUE(again.findChild<QPushButton*>("cmdCancel")->isVisible());
    again.findChild<QCheckBox*>("chkAssocShip")->setChecked(false);
    again.findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(settings.GetPref("ShipAssoc"), "1");

    // "Edit Side Names" opens the side-names editor over the dialog.
    QString opened;
    test::whenModal([&](QWidget* sides) {
        opened = sides->windowTitle();
        sides->findChild<QPushButton*>("cmdDone")->click();
    });
    again.show();
    again.findChild<QPushButton*>("cmdEditSides")->click();
    EXPECT_EQ(opened, "Edit Side Names");

    // The layout option sits below the associations.
    auto* keep = again.findChild<QCheckBox*>("chkKeepLayout");
    EXPECT_EQ(keep->text(), "Keep laid-out systems in place when the display is updated");
    EXPECT_GT(keep->mapTo(&again, QPoint()).y(), again.findChild<QCheckBox*>("chkAssocFleet")->mapTo(&again, QPoint()).y());
}
