// The window around the page: its controls and places, menus, lists, buttons, keys, limits and
// closing.
#include "common/ui/editmenu.h"
#include "common/ui/fieldedit.h"
#include "fleet/ui/frmdes.h"
#include "tests/fleet/ui/organizerwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

using namespace kw;
using Item = FrmFleetOrganizer::FileItem;

namespace {

class WindowTest : public test::OrganizerWindowTest {
protected:
    QListWidget* list(const char* name) const { return child<QListWidget>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    void chooseInList(const char* name, const QString& entry) const
    {
        QListWidget* box = list(name);
        const QList<QListWidgetItem*> found = box->findItems(entry, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << entry.toStdString();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(found.first()).center());
    }
    void doubleClickInList(const char* name, int row) const
    {
        QListWidget* box = list(name);
        const QPoint at = box->visualItemRect(box->item(row)).center();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList entries(const char* name) const
    {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts << list(name)->item(i)->text();
        return texts;
    }
};

} // namespace

TEST_F(WindowTest, EveryControlHasItsNameCaptionAndPlace)
{
    EXPECT_EQ(window.windowTitle(), "Keelwright - Fleet Organizer");
    EXPECT_EQ(window.objectName(), "frmFleetOrganizer");
    // Twips as designed, 15 to a pixel; the page is as large as the sheet it prints on.
    for (const auto& [name, place] : {std::pair{"picContainer", QRect(10, 3, 756, 412)}, {"lblAShips", QRect(246, 496, 76, 19)},
                                      {"picArea", QRect(0, 0, 1009, 680)}})
        EXPECT_EQ(child(name)->geometry(), place) << name;
    EXPECT_EQ(window.centralWidget()->size(), QSize(792, 534));

    EXPECT_EQ(button("cmdAdd")->text(), "Add >>");
    EXPECT_EQ(button("cmdRemove")->text(), "<< Remove");
    EXPECT_EQ(button("cmdOpen")->text(), "Open Other");
    EXPECT_EQ((QStringList{label("lblHeading_0"), label("lblHeading_1"), label("lblHeading_2")}),
              (QStringList{"Fleet Mass:", "Fleet Points:", "# of Ships:"}));
    EXPECT_EQ((QStringList{label("lblRow_0"), label("lblRow_1"), label("lblRow_2")}),
              (QStringList{"Limit:", "Current:", "Left:"}));
    // The limits start without one; the figures show 0 until the first refresh.
    EXPECT_EQ(child<QLineEdit>("txtShips")->text(), "-1");
    EXPECT_EQ(label("lblAPoints"), "0");

    FrmDes* des = window.descriptionWindow();
    EXPECT_EQ(des->size(), QSize(181, 115));
    EXPECT_EQ(des->label()->font().family(), "Tahoma");
}

TEST_F(WindowTest, MenusStartAsTheyShouldAndFollowTheFleet)
{
    const std::tuple<Item, const char*, QKeySequence, bool> items[] = {
        {Item::NewFleet, "&New Fleet", QKeySequence("Ctrl+N"), true},
        {Item::SaveFleet, "&Save Fleet", QKeySequence("Ctrl+S"), false},
        {Item::SaveAs, "Save &As", QKeySequence("F12"), false},
        {Item::SaveFleetPicture, "Save Fleet Picture", QKeySequence(), false},
        {Item::Open, "&Open", QKeySequence("Ctrl+O"), true},
        {Item::PrintSetup, "Print Setup", QKeySequence(), true},
        {Item::PrintFleet, "&Print Fleet", QKeySequence("Ctrl+P"), false},
        {Item::RecentFleets, "&Recent Fleets", QKeySequence(), false},
        {Item::BackToMenu, "Back to &Menu", QKeySequence("Ctrl+M"), true},
        {Item::ExitProgram, "E&xit Program", QKeySequence("Ctrl+X"), true}};
    for (const auto& [item, caption, shortcut, enabled] : items) {
        QAction* action = fileItem(item);
        EXPECT_EQ(action->objectName(), QStringLiteral("mnuFileItem_%1").arg(static_cast<int>(item)));
        EXPECT_EQ(action->text(), caption);
        EXPECT_EQ(action->shortcut(), shortcut) << caption;
        EXPECT_EQ(action->isEnabled(), enabled) << caption;
    }
    for (Item separator : {Item::OpenSeparator, Item::PrintSeparator, Item::RecentSeparator})
        EXPECT_TRUE(fileItem(separator)->isSeparator());
    EXPECT_EQ(child<QMenu>("mnuFile")->actions().size(), 13);
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 5);
    EXPECT_EQ(bar[0]->text() + bar[1]->text() + bar[2]->text() + bar[3]->text() + bar[4]->text(), "&File&Edit&View&Tools&Help");
    const QList<QAction*> tools = child<QMenu>("mnuTools")->actions();
    ASSERT_EQ(tools.size(), 1);
    EXPECT_EQ(tools[0]->text(), "&Preferences");
    EXPECT_EQ(tools[0]->shortcut(), QKeySequence("F11"));
    const QList<QAction*> help = child<QMenu>("mnuHelp")->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->text(), "&About SMKW");

    // A ship enables what needs one; "Save &As" enables "&Save Fleet", whether it saved or not.
    addFromSide("Hood");
    for (Item item : {Item::SaveAs, Item::SaveFleetPicture, Item::PrintFleet})
        EXPECT_TRUE(fileItem(item)->isEnabled());
    EXPECT_FALSE(fileItem(Item::SaveFleet)->isEnabled());
    prompts.files = {path("F/Alpha.flt")};
    fileItem(Item::SaveAs)->trigger();
    EXPECT_TRUE(fileItem(Item::SaveFleet)->isEnabled());
    EXPECT_TRUE(fileItem(Item::RecentFleets)->isEnabled());

    fleet.chooseFleetEntry(0);
    fleet.Remove();
    for (Item item : {Item::SaveAs, Item::SaveFleetPicture, Item::PrintFleet})
        EXPECT_FALSE(fileItem(item)->isEnabled());
}

TEST_F(WindowTest, TheEditMenuFollowsTheOrganizer)
{
    QAction* undo = window.editMenu()->undoItem();
    QAction* redo = window.editMenu()->redoItem();
    addFromSide("Hood");
    addFromSide("Scout");
    // Typing is named while it goes on and becomes a step when its box is left.
    auto* name = child<QLineEdit>("txtName_2");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Picket");
    EXPECT_EQ(undo->text(), "&Undo Change Name");
    list("lstFleet")->setFocus();
    // Taken back, a drag puts the card's boxes on its strip again.
    const QRect idPlace = child<QLineEdit>("txtID_2")->geometry();
    dragCard(2, QPoint(600, 400));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(child<QLineEdit>("txtID_2")->geometry(), idPlace);
    EXPECT_EQ(redo->text(), "&Redo Move Ships");
    undo->trigger();
    EXPECT_EQ(child<QLineEdit>("txtName_2")->text(), "Scout");
    undo->trigger();
    EXPECT_EQ(window.findChild<QLineEdit*>("txtName_2"), nullptr);
    EXPECT_EQ(entries("lstFleet"), QStringList{"Hood"});

    // A limit still being typed is entered first, and is what undo takes back.
    auto* mass = child<FieldEdit>("txtMass");
    mass->setFocus();
    mass->selectAll();
    QTest::keyClicks(mass, "500");
    undo->trigger();
    EXPECT_EQ(mass->text(), "-1");
    EXPECT_EQ(redo->text(), "&Redo Change Mass Limit");

    // While a card is dragged there is nothing to take back yet.
    mouseOnPage(QEvent::MouseButtonPress, inCard(1), Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, QPoint(500, 300), Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(fleet.draggedCard(), 1);
    EXPECT_FALSE(undo->isEnabled());
    QTest::keyClick(page(), Qt::Key_Escape);
    EXPECT_TRUE(undo->isEnabled());
}

TEST_F(WindowTest, TheSideListAndTheThreeWaysToAdd)
{
    EXPECT_EQ(child<QComboBox>("cmbSide")->currentText(), "Blue");
    EXPECT_EQ(child<QComboBox>("cmbSide")->count(), 2);
    EXPECT_EQ(entries("lstAdd"), (QStringList{"Cruiser", "Hood", "Scout"}));

    button("cmdAdd")->click();   // nothing chosen
    EXPECT_EQ(fleet.ShipCount(), 0);
    chooseInList("lstAdd", "Hood");
    EXPECT_EQ(fleet.selectedAddEntry(), 1);
    button("cmdAdd")->click();
    doubleClickInList("lstAdd", 2);
    chooseInList("lstAdd", "Cruiser");
    QTest::keyClick(list("lstAdd"), Qt::Key_Return);
    EXPECT_EQ(entries("lstFleet"), (QStringList{"Hood", "Scout", "Cruiser"}));
    EXPECT_EQ(label("lblCShips"), "3");

    // Only an Enter pressed in the list counts when it is let go there: not the one that closed
    // a message box over it.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list("lstAdd"), &release);
    EXPECT_EQ(fleet.ShipCount(), 3);

    prompts.files = {test::fleetShip("Odd")};
    button("cmdOpen")->click();
    EXPECT_EQ(prompts.dialogs.last().filter, "Ship File (*.shp)|*.shp|");
    EXPECT_EQ(entries("lstFleet").last(), "Odd One");

    // The other side has no ships.
    auto* side = child<QComboBox>("cmbSide");
    QTest::keyClick(side, Qt::Key_Down);
    EXPECT_EQ(fleet.sideIndex(), 1);
    EXPECT_TRUE(entries("lstAdd").isEmpty());
}

TEST_F(WindowTest, TheWaysToRemoveAndDeleteThatOnlyDeletesText)
{
    for (const char* ship : {"Hood", "Scout", "Cruiser", "Hood", "Scout"})
        addFromSide(ship);
    chooseInList("lstFleet", "Cruiser");
    button("cmdRemove")->click();
    EXPECT_EQ(entries("lstFleet"), (QStringList{"Hood", "Scout", "Hood", "Scout"}));
    EXPECT_EQ(fleet.selectTag(), -1);

    doubleClickInList("lstFleet", 0);
    EXPECT_EQ(entries("lstFleet"), (QStringList{"Scout", "Hood", "Scout"}));

    list("lstFleet")->setFocus();
    list("lstFleet")->setCurrentRow(0);
    QTest::keyClick(list("lstFleet"), Qt::Key_Enter);
    EXPECT_EQ(entries("lstFleet"), (QStringList{"Hood", "Scout"}));

    // Delete anywhere in the window removes the chosen ship...
    list("lstFleet")->setCurrentRow(1);
    QTest::keyClick(list("lstAdd"), Qt::Key_Delete);
    EXPECT_EQ(entries("lstFleet"), QStringList{"Hood"});

    // ...but in a card's text or a limit it deletes characters.
    list("lstFleet")->setCurrentRow(0);
    for (const char* box : {"txtName_1", "txtMass"}) {
        auto* edit = child<QLineEdit>(box);
        edit->setFocus();
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    EXPECT_EQ(fleet.ShipCount(), 1);
    EXPECT_EQ(fleet.card(1).name, "ood");
    EXPECT_EQ(fleet.limitText(FleetLimit::Mass), "1");
}

TEST_F(WindowTest, ALimitIsEnteredWhenItsBoxIsLeftOrAMenuItemActs)
{
    addFromSide("Hood");
    auto* mass = child<FieldEdit>("txtMass");
    mass->setFocus();
    mass->selectAll();
    QTest::keyClicks(mass, "12345");
    EXPECT_EQ(mass->text(), "1234") << "at most four typed characters";
    EXPECT_EQ(label("lblAMass"), "-1") << "not entered while typing";
    child<QLineEdit>("txtPoints")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(fleet.MassLimit(), 1234);
    EXPECT_EQ(label("lblAMass"), QString::number(1234 - fleet.FleetMass()));

    // A ship limit still being typed stops the save it asks for.
    auto* ships = child<FieldEdit>("txtShips");
    ships->setFocus();
    ships->selectAll();
    QTest::keyClicks(ships, "1");
    fileItem(Item::SaveAs)->trigger();
    EXPECT_EQ(prompts.lastText(), "You are at or over your ship limit for this fleet.\rYou must correct this before saving");
    EXPECT_EQ(label("lblAShips"), "0");
}

TEST_F(WindowTest, TheCloseBoxBackToMenuExitAndNew)
{
    QSignalSpy back(&window, &FrmFleetOrganizer::backToMenuRequested);
    QSignalSpy end(&window, &FrmFleetOrganizer::programEndRequested);
    prompts.answers = {PromptAnswer::No};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(prompts.texts(), QStringList{"Are you sure you want to quit?"});

    prompts.clear();
    addFromSide("Hood");
    prompts.answers = {PromptAnswer::Cancel};
    fileItem(Item::BackToMenu)->trigger();
    EXPECT_EQ(prompts.texts(), QStringList{"Do you want to Save changes to the current fleet?"});
    EXPECT_EQ(back.count(), 0);
    EXPECT_TRUE(window.isVisible());

    // Exit asks before the fleet is lost.
    prompts.answers = {PromptAnswer::Cancel};
    fileItem(Item::ExitProgram)->trigger();
    EXPECT_EQ(prompts.lastText(), "Do you want to Save the current fleet?");
    EXPECT_EQ(end.count(), 0);

    // A new fleet is empty and unchanged: nothing is asked on the way out.
    prompts.answers = {PromptAnswer::No};
    fileItem(Item::NewFleet)->trigger();
    EXPECT_TRUE(entries("lstFleet").isEmpty());
    prompts.clear();
    fileItem(Item::ExitProgram)->trigger();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(end.count(), 1);
    fileItem(Item::BackToMenu)->trigger();
    EXPECT_EQ(back.count(), 1);
    EXPECT_FALSE(window.isVisible());

    // The program closes it without a question and without ending itself.
    window.show();
    prompts.clear();
    window.closeByProgram();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(end.count(), 1);
}

TEST_F(WindowTest, ARecentFleetOpens)
{
    const QString escort = test::dataFile("fleets/Escort Group.flt");
    recent.AddRecentFile(escort, RecentKind::Fleets);
    child<QAction>("mnuRecent_0")->trigger();
    EXPECT_EQ(fleet.ShipCount(), 3);
}

TEST_F(WindowTest, PrintSetupAndPrintFleetUseTheLentDialog)
{
    QTimer::singleShot(0, &window, [this] {
        EXPECT_EQ(QApplication::activeModalWidget(), &printSetup);
        EXPECT_EQ(printSetup.parentWidget(), &window);
        printSetup.findChild<QPushButton*>("CancelButton")->click();
    });
    fileItem(Item::PrintSetup)->trigger();
    EXPECT_EQ(printSetup.retval(), -1);
    EXPECT_EQ(printSetup.parentWidget(), nullptr);

    addFromSide("Hood");
    addFromSide("Scout");
    QTimer::singleShot(0, &window, [this] { printSetup.findChild<QPushButton*>("OKButton")->click(); });
    prompts.files = {path("Fleet.pdf")};
    fileItem(Item::PrintFleet)->trigger();
    EXPECT_TRUE(test::readFile(path("Fleet.pdf")).startsWith("%PDF"));
}

TEST_F(WindowTest, TheSmallScreenKeepsTheWindowMaximised)
{
    window.setSmallScreen(true);
    EXPECT_TRUE(window.isMaximized());
    window.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.isMaximized(); }, 1000));
    window.setSmallScreen(false);
    EXPECT_FALSE(window.isMaximized());
}
