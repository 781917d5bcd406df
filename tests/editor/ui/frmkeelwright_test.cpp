#include "common/recentfiles.h"
#include "common/ui/dlgprinter.h"
#include "editor/shipeditor.h"
#include "editor/ui/frmkeelwright.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QHelpEvent>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <gtest/gtest.h>

using namespace kw;

namespace {

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : editor(prompts, folder.path()), window(editor, prompts, printSetup)
    {
        editor.setRecentFiles(&recent);
        editor.Load();
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = QWidget>
    T* child(const QString& name)
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction* fileItem(int index) { return child<QAction>(QStringLiteral("mnuFileItem_%1").arg(index)); }
    QAction* fileItem(FrmKeelwright::FileItem item) { return window.fileItem(item); }
    void addBattery(int batteryClass, int mass)
    {
        WeaponEntry battery;
        battery.Kind = QStringLiteral("Class %1 Battery").arg(batteryClass);
        battery.Mass = mass;
        editor.addWeapons({battery});
    }
    QString vigilant() { return folder.write("Ships/Blue/Vigilant.shp", test::readFile(test::dataFile("ships/vigilant.shp"))); }

    test::TestFolder folder;
    test::FakePrompts prompts;
    DlgPrinter printSetup{QList<PrinterChoice>{}, QString()};
    MemoryRecentFileStore recentStore;
    RecentFiles recent{recentStore};
    ShipEditor editor;
    FrmKeelwright window;
};

} // namespace

TEST_F(WindowTest, EveryControlHasItsNameAndCaption)
{
    EXPECT_EQ(window.windowTitle(), " Starmarch Keelwright");
    const std::pair<const char*, const char*> captions[] = {
        {"cmdUpdate_0", "UpDate Stats and Display Ship"}, {"cmdUpdate_1", "UpDate Stats"}, {"cmdAuto", "Auto Calc"},
        {"cmdStop", "Stop Calc"}, {"cmdAdd", "Add Weapon"}, {"cmdRemove", "Remove Weapon"},
        {"cmdCancelR", "Cancel Remove"}, {"cmdHangar", "Hangar Bays:"},
        {"cmdLink", "Link Salvo Launcher to Magazine"}, {"cmdCancelL", "Cancel Linking"}};
    for (auto [name, caption] : captions)
        EXPECT_EQ(child<QPushButton>(name)->text(), caption) << name;
    const std::pair<const char*, const char*> checks[] = {
        {"chkReflex", "Reflex Field:"}, {"chkCloak", "Cloaking Field:"}, {"chkNova", "Spinal Mount Nova Cannon"},
        {"chkWave", "Wave Gun"}, {"chkECM", "Localised ECM Jammer"}, {"chkAreaEcm", "Area ECM Jammer"},
        {"chkMineSweep", "Mine Sweeper"}};
    for (auto [name, caption] : checks)
        EXPECT_EQ(child<QCheckBox>(name)->text(), caption) << name;
    EXPECT_EQ(child<QRadioButton>("optSensors_0")->text(), "Standard Sensors");
    EXPECT_EQ(child<QRadioButton>("optSensors_2")->text(), "Superior Sensors");
    EXPECT_EQ(child<QLabel>("lblTowCap")->text(), "Tow Capacity (Mass):");
    auto* tabs = child<QTabWidget>("SSTabStrip");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(1), "Weapons");
    EXPECT_EQ(tabs->tabText(2), "Extra Systems");
    EXPECT_EQ(child<QComboBox>("cmbShip")->itemText(4), "Civillian Station");
    EXPECT_EQ(child<QComboBox>("cmbHull")->currentText(), "Average - 30%");
    EXPECT_EQ(child<QComboBox>("cmbFTL")->currentText(), "Standard FTL Drive");
    EXPECT_EQ(child<QComboBox>("cmbSL")->currentText(), "No Hull Streamlining");
    EXPECT_EQ(child<QComboBox>("cmbSide")->currentText(), "Blue");
    EXPECT_FALSE(child<QPushButton>("cmdCancelR")->isVisible());
    EXPECT_FALSE(child<QLineEdit>("txtHull")->isVisible());
    EXPECT_FALSE(child<QLineEdit>("txtFTL")->isVisible());
    // The window fits an 800 x 600 screen.
    EXPECT_LE(window.minimumSizeHint().width(), 800);
    EXPECT_LE(window.minimumSizeHint().height(), 600);
}

TEST_F(WindowTest, MenusStartAsTheyShouldAndFollowTheShip)
{
    const std::tuple<int, const char*, QKeySequence, bool> items[] = {
        {0, "&New Ship", QKeySequence("Ctrl+N"), true},     {1, "&Save Ship", QKeySequence("Ctrl+S"), false},
        {2, "Save &As", QKeySequence("F12"), false},        {3, "Save Ship Picture", QKeySequence(), false},
        {4, "&Open", QKeySequence("Ctrl+O"), true},         {6, "Print Setup...", QKeySequence(), true},
        {7, "&Print Ship Diagram", QKeySequence("Ctrl+P"), false}, {9, "&Recent Ships", QKeySequence(), false},
        {11, "Back to &Menu", QKeySequence("Ctrl+M"), true}, {12, "E&xit Program", QKeySequence("Ctrl+X"), true}};
    for (auto [index, caption, shortcut, enabled] : items) {
        QAction* action = fileItem(index);
        EXPECT_EQ(action->text(), caption);
        EXPECT_EQ(action->shortcut(), shortcut) << caption;
        EXPECT_EQ(action->isEnabled(), enabled) << caption;
    }
    EXPECT_TRUE(fileItem(5)->isSeparator());
    QAction* lock = child<QAction>("mnuToolsItem_0");
    EXPECT_EQ(lock->text(), "&Lock Ship");
    EXPECT_EQ(lock->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(child<QAction>("mnuToolsItem_2")->text(), "&Preferences");
    EXPECT_EQ(child<QAction>("mnuToolsItem_2")->shortcut(), QKeySequence("F11"));
    EXPECT_TRUE(child<QAction>("mnuToolsItem_2")->isEnabled());
    EXPECT_EQ(child<QAction>("mnuHelpItem_2")->text(), "&About SMKW");
    EXPECT_TRUE(child<QAction>("mnuHelpItem_2")->isEnabled());
    // The Tools menu holds the lock, a separator and the preferences, nothing more.
    EXPECT_EQ(child<QMenu>("mnuTools")->actions().size(), 3);

    // The file items follow a displayed ship, and Save one saved before.
    child<QPushButton>("cmdUpdate_0")->click();
    for (int item : {2, 3, 7})
        EXPECT_TRUE(fileItem(item)->isEnabled()) << item;
    EXPECT_FALSE(fileItem(1)->isEnabled());
    ASSERT_TRUE(editor.OpenShip(vigilant()));
    EXPECT_TRUE(fileItem(1)->isEnabled());
    EXPECT_EQ(child<QLabel>("lblTMFU")->text(), "61");
}

TEST_F(WindowTest, BackToMenuAsksAboutChangesThenHandsOverAndCloses)
{
    QSignalSpy back(&window, &FrmKeelwright::backToMenuRequested);
    child<QPushButton>("cmdUpdate_1")->click();   // a change
    prompts.answers = {PromptAnswer::Cancel};
    fileItem(FrmKeelwright::FileItem::BackToMenu)->trigger();
    EXPECT_EQ(prompts.texts(), QStringList{"Do you want to Save changes to the current ship?"});
    EXPECT_EQ(back.count(), 0);
    EXPECT_TRUE(window.isVisible());

    prompts.answers = {PromptAnswer::No};
    fileItem(FrmKeelwright::FileItem::BackToMenu)->trigger();
    EXPECT_EQ(back.count(), 1);
    EXPECT_FALSE(window.isVisible());
    // Shown again, the window asks again when the user closes it.
    window.show();
    prompts.clear();
    prompts.answers = {PromptAnswer::No};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(prompts.texts(), QStringList{"Are you sure you want to quit?"});
}

TEST_F(WindowTest, ARefusedFieldKeepsTheFocusWithItsTextSelected)
{
    auto* armour = child<QLineEdit>("txtArmour");
    armour->setFocus();
    QTest::keyClicks(armour, "abc");
    child<QLineEdit>("txtFCS")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(prompts.lastText(), numericFieldRule(NumericField::Armour).message);
    EXPECT_TRUE(armour->hasFocus());
    EXPECT_EQ(armour->text(), "0");
    EXPECT_EQ(armour->selectedText(), "0");

    auto* mass = child<QLineEdit>("txtTMF");
    mass->setFocus();
    mass->selectAll();
    QTest::keyClicks(mass, "80");
    QTest::keyClick(mass, Qt::Key_Return);
    EXPECT_TRUE(child<QLineEdit>("txtName")->hasFocus());
    EXPECT_EQ(editor.ship().TMF, 80);
}

TEST_F(WindowTest, StationsDisableTheDrivesAndLockingDisablesEditing)
{
    auto* type = child<QComboBox>("cmbShip");
    Q_EMIT type->activated(3);
    for (const char* name : {"txtMD", "udcMD", "cmbFTL", "cmbSL"})
        EXPECT_FALSE(child(name)->isEnabled()) << name;
    Q_EMIT type->activated(1);
    for (const char* name : {"txtMD", "udcMD", "cmbFTL", "cmbSL"})
        EXPECT_TRUE(child(name)->isEnabled()) << name;

    child<QAction>("mnuToolsItem_0")->trigger();
    EXPECT_EQ(child<QAction>("mnuToolsItem_0")->text(), "Un&lock Ship");
    EXPECT_EQ(child<QLabel>("lblLockGen")->text(), "Ship Locked");
    EXPECT_EQ(child<QLabel>("lblLockSys")->text(), "Ship Locked");
    for (const char* name : {"cmdAdd", "cmdAuto", "cmdRemove", "cmdUpdate_0", "cmdUpdate_1", "picTabGen", "picTabSys",
                             "chkWave", "chkNova"})
        EXPECT_FALSE(child(name)->isEnabled()) << name;
    for (const char* name : {"txtName", "cmbSide", "cmbClass", "txtTMF", "cmdStop"})
        EXPECT_TRUE(child(name)->isEnabled()) << name;
    EXPECT_TRUE(fileItem(0)->isEnabled());
    child<QAction>("mnuToolsItem_0")->trigger();
    EXPECT_TRUE(child("picTabGen")->isEnabled());
    EXPECT_TRUE(child<QLabel>("lblLockGen")->text().isEmpty());
}

TEST_F(WindowTest, TheCloseConfirmation)
{
    QSignalSpy end(&window, &FrmKeelwright::programEndRequested);
    prompts.answers = {PromptAnswer::No};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(prompts.texts(), QStringList{"Are you sure you want to quit?"});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(end.count(), 0);

    child<QPushButton>("cmdUpdate_1")->click();   // the design is now changed
    prompts.clear();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(prompts.texts(), (QStringList{"Are you sure you want to quit?",
                                            "Do you want to Save changes to the current ship?"}));

    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(end.count(), 1);
}

TEST_F(WindowTest, PrintSetupShowsTheProgramsDialogOverTheWindowAndGivesItBack)
{
    QTimer::singleShot(0, &window, [this] {
        EXPECT_EQ(QApplication::activeModalWidget(), &printSetup);
        EXPECT_EQ(printSetup.parentWidget(), &window);
        printSetup.findChild<QPushButton*>("CancelButton")->click();
    });
    fileItem(FrmKeelwright::FileItem::PrintSetup)->trigger();
    EXPECT_EQ(printSetup.retval(), -1);
    EXPECT_EQ(printSetup.parentWidget(), nullptr);
}

TEST_F(WindowTest, ClosingTheHangarWindowRecalculates)
{
    editor.addHangarBay(4);
    EXPECT_EQ(child<QLabel>("lblHangar")->text(), "1");
    EXPECT_EQ(child<QLabel>("tmfHANGAR")->text(), "0");
    const std::size_t steps = editor.undoCount();
    QTimer::singleShot(0, &window, [this] {
        QWidget* hangars = QApplication::activeModalWidget();
        ASSERT_NE(hangars, nullptr);
        EXPECT_EQ(hangars->objectName(), "frmHangar");
        editor.addHangarBay(2);
        hangars->findChild<QPushButton*>("cmdOkay")->click();
    });
    child<QPushButton>("cmdHangar")->click();
    EXPECT_EQ(child<QLabel>("tmfHANGAR")->text(), "9");
    // The session and the recalculation after it are one step.
    EXPECT_EQ(editor.undoCount(), steps + 1);
    child<QAction>("mnuEditUndo")->trigger();
    EXPECT_EQ(child<QLabel>("lblHangar")->text(), "1");
    EXPECT_EQ(child<QLabel>("tmfHANGAR")->text(), "0");
}

TEST_F(WindowTest, TheEditMenuFollowsTheEditor)
{
    EXPECT_EQ(window.menuBar()->actions().value(1)->text(), "&Edit");
    auto* undo = child<QAction>("mnuEditUndo");
    auto* redo = child<QAction>("mnuEditRedo");
    addBattery(1, 1);
    Q_EMIT child<QComboBox>("cmbHull")->activated(4);
    EXPECT_EQ(undo->text(), "&Undo Change Hull Integrity");
    // Ctrl+Z reaches the menu even from a field, which holds the focus most of the time.
    auto* mass = child<QLineEdit>("txtTMF");
    mass->setFocus();
    QTest::keyClick(mass, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(child<QComboBox>("cmbHull")->currentIndex(), 2);
    EXPECT_EQ(redo->text(), "&Redo Change Hull Integrity");
    EXPECT_TRUE(redo->isEnabled());
    child<QPushButton>("cmdRemove")->click();   // a removal to choose: nothing to take back meanwhile
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(WindowTest, StopCalcInterruptsAutoCalc)
{
    editor.chooseHull(static_cast<int>(HullIntegrity::Fragile));
    addBattery(5, 400);
    // A click that arrives while the search runs.
    QTimer::singleShot(0, &window, [this] { child<QPushButton>("cmdStop")->click(); });
    child<QPushButton>("cmdAuto")->click();
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_TRUE(editor.ShipDisplayed());
    EXPECT_NE(child<QLabel>("lblTMFA")->text(), "0");   // stopped before it fitted
}

TEST_F(WindowTest, RecentShipsFillTheSubmenuAndOpenDirectly)
{
    using Item = FrmKeelwright::FileItem;
    EXPECT_FALSE(fileItem(Item::RecentShips)->isEnabled());
    const QString path = vigilant();
    ASSERT_TRUE(editor.OpenShip(path));
    EXPECT_TRUE(fileItem(Item::RecentShips)->isEnabled());
    QAction* first = child<QAction>("mnuRecent_0");
    EXPECT_EQ(first->text(), "&1.  " + path);
    EXPECT_FALSE(child<QAction>("mnuRecent_1")->isVisible());

    child<QPushButton>("cmdUpdate_1")->click();   // a change, and yet no question on this path
    prompts.clear();
    first->trigger();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_FALSE(editor.ShipChanged());
}

TEST_F(WindowTest, AutoCalcOwnsTheWindowWhileItRuns)
{
    ASSERT_TRUE(editor.OpenShip(vigilant()));
    using Item = FrmKeelwright::FileItem;
    QStringList enabledWhileSearching;
    bool closedDuringSearch = false;
    editor.setEventPump([&] {
        if (!enabledWhileSearching.isEmpty() || closedDuringSearch)
            return;
        // Menu items and controls alike carry the "enabled" property.
        for (const char* name : {"mnuFileItem_0", "mnuFileItem_1", "mnuFileItem_2", "mnuFileItem_3", "mnuFileItem_4",
                                 "mnuFileItem_7", "mnuFileItem_11", "mnuRecent_0", "mnuToolsItem_0", "mnuToolsItem_2",
                                 "txtTMF", "txtName", "cmdAuto", "cmdUpdate_0", "cmdUpdate_1", "cmdAdd", "cmdHangar"})
            if (child<QObject>(name)->property("enabled").toBool())
                enabledWhileSearching << name;
        if (!child<QWidget>("cmdStop")->isEnabled())
            enabledWhileSearching << "not cmdStop";
        if (fileItem(Item::PrintSetup)->isEnabled() && fileItem(Item::ExitProgram)->isEnabled())
            enabledWhileSearching << "(done)";
        // Closing stops the search first and then asks as usual.
        prompts.answers = {PromptAnswer::No};
        window.close();
        closedDuringSearch = true;
    });
    editor.setFieldText(NumericField::TMF, "400");
    child<QPushButton>("cmdAuto")->click();
    EXPECT_EQ(enabledWhileSearching, QStringList{"(done)"});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(prompts.texts(), QStringList{"Are you sure you want to quit?"});
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    // Everything comes back afterwards.
    EXPECT_TRUE(fileItem(Item::Open)->isEnabled());
    EXPECT_TRUE(child<QWidget>("txtTMF")->isEnabled());
    EXPECT_TRUE(child<QAction>("mnuRecent_0")->isEnabled());
}

TEST_F(WindowTest, SideNamesEditedInThePreferencesReachTheSideListAtOnce)
{
    editor.chooseSide(1);   // Red
    // The preferences are modal; their side-names editor rewrites the list.
    QObject::connect(&window, &FrmKeelwright::preferencesRequested, &window,
                     [this] { folder.write("Ships/Sides.txt", "Green\r\nRed\r\n"); });
    child<QAction>("mnuToolsItem_2")->trigger();
    auto* sides = child<QComboBox>("cmbSide");
    ASSERT_EQ(sides->count(), 2);
    EXPECT_EQ(sides->itemText(0), "Green");
    EXPECT_EQ(sides->currentText(), "Red");
}

TEST_F(WindowTest, EnterInTheMassFieldTellsABrokenRuleOnce)
{
    editor.chooseShipType(static_cast<int>(ShipType::MerchantShip));
    addBattery(1, 9);
    auto* mass = child<QLineEdit>("txtTMF");
    mass->setFocus();
    mass->selectAll();
    QTest::keyClicks(mass, "60");
    prompts.clear();
    QTest::keyClick(mass, Qt::Key_Return);
    EXPECT_EQ(prompts.texts().size(), 1);
    EXPECT_TRUE(child<QLineEdit>("txtName")->hasFocus());
}

TEST_F(WindowTest, EveryControlAndIconSaysWhatItIs)
{
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
                             || w->objectName().startsWith("tmf") || w->objectName().startsWith("npv")
                             || w->objectName().startsWith("lbl") || w->objectName().startsWith("udc");
        // Captions, and the toolkit's own parts of the tab bar and the menu bar.
        const bool captionOnly = w->objectName().startsWith("lblLock") || w->objectName() == "lblTowCap"
                                 || w->objectName() == "lblHangar" || w->objectName().isEmpty()
                                 || w->objectName().startsWith("Scroll") || w->objectName().startsWith("qt_");
        if (control && !captionOnly && !qobject_cast<QScrollBar*>(w->parentWidget()))
            EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    }

    // Icons on the display and in the holding box answer with what they are.
    ASSERT_TRUE(editor.OpenShip(vigilant()));
    auto* display = window.findChild<QWidget*>("picSysDisplay");
    ASSERT_NE(display, nullptr);
    const SystemIcon& placed = editor.display().icon(1);
    const QPoint onIcon(qRound(placed.left / 15) + 2, qRound(placed.top / 15) + 2);
    QHelpEvent help(QEvent::ToolTip, onIcon, display->mapToGlobal(onIcon));
    QApplication::sendEvent(display, &help);
    EXPECT_EQ(QToolTip::text(), "Fire Control Systems: 1 of 1");

    child<QPushButton>("cmdUpdate_0")->click();
    auto* canvas = window.findChild<QWidget*>("picSystems");
    const SystemIcon& waiting = editor.display().icon(1);
    const QPoint inBox(qRound(waiting.left / 15) + 2, qRound(waiting.top / 15) + 2);
    QHelpEvent boxHelp(QEvent::ToolTip, inBox, canvas->mapToGlobal(inBox));
    QApplication::sendEvent(canvas, &boxHelp);
    EXPECT_EQ(QToolTip::text(), "Fire Control Systems: 1 of 1");
}

TEST_F(WindowTest, ForcedBelowItsSizeTheWindowScrollsInsteadOfOverlapping)
{
    ASSERT_TRUE(editor.OpenShip(vigilant()));
    // As a window manager or a 640 x 480 screen may force it.
    window.windowHandle()->resize(QSize(640, 480));
    QApplication::processEvents();
    ASSERT_EQ(window.size(), QSize(640, 480));
    auto* content = child<QScrollArea>("windowScroll")->widget();
    const QRect sheet(child<QWidget>("sheetScroll")->mapTo(content, QPoint()), child<QWidget>("sheetScroll")->size());
    for (const char* figure : {"npvHULL", "npvFCS", "tmfHULL", "lblNPVS"}) {
        QWidget* label = child<QWidget>(figure);
        const QRect at(label->mapTo(content, QPoint()), label->size());
        EXPECT_FALSE(at.intersects(sheet)) << figure;
    }
    for (const char* button : {"cmdUpdate_0", "cmdUpdate_1", "cmdAuto", "cmdStop"}) {
        QWidget* b = child<QWidget>(button);
        EXPECT_TRUE(content->rect().contains(QRect(b->mapTo(content, QPoint()), b->size()))) << button;
    }
    EXPECT_GT(child<QScrollArea>("windowScroll")->horizontalScrollBar()->maximum(), 0);
}
