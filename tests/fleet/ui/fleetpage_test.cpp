// The page of cards in the window: the strips' text boxes, the mouse on the cards, dragging,
// the description window, the selection and scrolling.
#include "common/ui/viewzoom.h"
#include "display/sheetfonts.h"
#include "fleet/ui/fleetpageview.h"
#include "fleet/ui/frmdes.h"
#include "tests/fleet/ui/organizerwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

using namespace kw;

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

class PageTest : public test::OrganizerWindowTest {
protected:
    PageTest()
    {
        addFromSide("Hood");
        addFromSide("Scout");
    }
    QLineEdit* box(const char* name, int k) const { return child<QLineEdit>(QStringLiteral("%1_%2").arg(name).arg(k)); }
    // Puts card k with its top-left corner at a place in millimetres.
    void placeCard(int k, double leftMm, double topMm)
    {
        ASSERT_TRUE(fleet.moveOverCard(k, QPointF(0, 0), true));
        fleet.dropOnPage(QPointF(leftMm * kTwipsPerMm, topMm * kTwipsPerMm));
    }
    QPoint cardPlace(int k) const { return QPoint(qRound(fleet.card(k).left), qRound(fleet.card(k).top)); }
};

} // namespace

TEST_F(PageTest, TheStripsTextBoxesSitOnTheirStripAndTakeWhatMayBeTyped)
{
    // The strip of card 1 at the top-left corner of the page.
    EXPECT_EQ(box("txtID", 1)->geometry(), QRect(16, 2, 26, 19));
    EXPECT_EQ(box("txtMisc", 1)->geometry(), QRect(2, 26, fleet.card(1).picture.width() - 4, 19));
    EXPECT_EQ(box("txtID", 2)->text(), "2");
    EXPECT_EQ(box("txtName", 2)->text(), "Scout");
    EXPECT_EQ(box("txtMisc", 2)->text(), fleet.card(2).misc);

    QLineEdit* name = box("txtName", 1);
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, " of the Line");
    EXPECT_EQ(name->text(), "Hood of the");
    EXPECT_EQ(name->cursorPosition(), 11);
    EXPECT_EQ(fleet.card(1).name, "Hood of the");

    // The boxes of a removed card go; the later card's boxes show its own texts.
    fleet.chooseFleetEntry(0);
    fleet.Remove();
    EXPECT_EQ(window.findChild<QLineEdit*>("txtID_2"), nullptr);
    EXPECT_EQ(box("txtName", 1)->text(), "Scout");
}

TEST_F(PageTest, AnEarlierCardsBoxesShowOnlyWhereNoLaterCardLies)
{
    // Card 2 across the right half of card 1's strip, which shows the name box only in part.
    const FleetCard& hood = fleet.card(1);
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.dropOnPage(QPointF(1500, hood.top - 765 - 200 + 765));
    QLineEdit* name = box("txtName", 1);
    EXPECT_TRUE(name->isVisible());
    EXPECT_FALSE(name->mask().isEmpty());
    EXPECT_TRUE(name->mask().contains(QPoint(5, 5)));
    EXPECT_FALSE(name->mask().contains(QPoint(30, 5)));
    EXPECT_TRUE(box("txtID", 1)->mask().isEmpty()) << "uncovered";
    // Wholly covered: hidden.
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.dropOnPage(QPointF(0, 0));
    EXPECT_FALSE(box("txtID", 1)->isVisible());
    EXPECT_TRUE(box("txtID", 2)->isVisible());
}

TEST_F(PageTest, ChoosingAShipScrollsToItsCardAndTheBarsMoveThePage)
{
    placeCard(1, 200, 150);
    placeCard(2, 50, 30);
    auto* fleetList = child<QListWidget>("lstFleet");
    auto* h = child<QScrollBar>("HScroll");
    auto* v = child<QScrollBar>("VScroll");
    QTest::mouseClick(fleetList->viewport(), Qt::LeftButton, {}, fleetList->visualItemRect(fleetList->item(0)).center());
    EXPECT_EQ(h->value(), 67);
    EXPECT_EQ(v->value(), 64);
    EXPECT_EQ(page()->pos(), QPoint(-253, -242));
    EXPECT_EQ(fleet.selectTag(), 1);
    QTest::mouseClick(fleetList->viewport(), Qt::LeftButton, {}, fleetList->visualItemRect(fleetList->item(1)).center());
    EXPECT_EQ(std::pair(h->value(), v->value()), std::pair(0, 0));
    EXPECT_EQ(page()->pos(), QPoint(0, 0));

    h->setValue(10);
    EXPECT_EQ(fleet.hScroll(), 10);
    EXPECT_EQ(page()->pos(), QPoint(-38, 0));
    // The wheel over the page scrolls down; with Shift, across. (The window system hands the
    // page's wheel on to the viewport; an event the test sends goes nowhere else.)
    QWidget* viewport = child(QStringLiteral("picContainer"));
    QWheelEvent down(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &down);
    EXPECT_EQ(fleet.vScroll(), 3);
    QWheelEvent across(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton,
                       Qt::ShiftModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &across);
    EXPECT_EQ(fleet.hScroll(), 7);
}

TEST_F(PageTest, APlainMoveRemembersTheGrabAndAClickSelects)
{
    mouseOnPage(QEvent::MouseMove, inCard(1, {30, 7}), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(fleet.GrabX(), 450);
    EXPECT_EQ(fleet.GrabY(), 105);
    EXPECT_EQ(fleet.draggedCard(), 0);

    // A click on a card selects it and its list entry; on the page, the selection goes.
    mouseOnPage(QEvent::MouseButtonPress, inCard(2), Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseButtonRelease, inCard(2), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(fleet.selectTag(), 2);
    EXPECT_EQ(child<QListWidget>("lstFleet")->currentRow(), 1);
    const QPoint empty(900, 600);
    mouseOnPage(QEvent::MouseButtonPress, empty, Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseButtonRelease, empty, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(fleet.selectTag(), -1);
    EXPECT_FALSE(fleet.selectionVisible());

    // So does a click on the window beside the controls.
    fleet.chooseFleetEntry(0);
    EXPECT_TRUE(fleet.selectionVisible());
    QTest::mouseClick(window.centralWidget(), Qt::LeftButton, {}, QPoint(780, 520));
    EXPECT_FALSE(fleet.selectionVisible());
}

TEST_F(PageTest, DraggingACardWithTheMouse)
{
    const QPoint grab(20, 20);
    // Dropped on the page: where the pointer is, less where it held the card.
    const QPoint from = inCard(2);
    mouseOnPage(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, from + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(fleet.draggedCard(), 0) << "a tremble is no drag";
    mouseOnPage(QEvent::MouseMove, QPoint(500, 300), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(fleet.draggedCard(), 2);
    EXPECT_FALSE(box("txtID", 2)->isVisible()) << "the strip is hidden while the card moves";
    auto* view = static_cast<FleetPageView*>(page());
    EXPECT_TRUE(view->dragging());
    mouseOnPage(QEvent::MouseButtonRelease, QPoint(600, 400), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(cardPlace(2), (QPoint(600, 400) - grab) * 15);
    EXPECT_TRUE(box("txtID", 2)->isVisible());
    EXPECT_EQ(box("txtID", 2)->geometry().topLeft(), QPoint(580 + 16, 380 - 51 + 2));
    EXPECT_EQ(child<QListWidget>("lstFleet")->currentRow(), 1);
    EXPECT_EQ(fleet.selectTag(), 2);

    // A short move onto itself.
    dragCard(2, inCard(2) + QPoint(5, 6));
    EXPECT_EQ(cardPlace(2), QPoint(585, 386) * 15);

    // Outside the viewport: it stays. (Other cards and strips refuse it in the page's own tests.)
    const QPoint before = cardPlace(2);
    const QPoint overTheList = page()->mapFrom(window.centralWidget(), QPoint(650, 480));
    dragCard(2, overTheList);
    EXPECT_EQ(cardPlace(2), before);
    EXPECT_TRUE(box("txtID", 2)->isVisible());

    // Escape lets it go where it was.
    mouseOnPage(QEvent::MouseButtonPress, inCard(2), Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, QPoint(100, 500), Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(view->dragging());
    QTest::keyClick(page(), Qt::Key_Escape);
    EXPECT_FALSE(view->dragging());
    EXPECT_EQ(fleet.draggedCard(), 0);
    mouseOnPage(QEvent::MouseButtonRelease, QPoint(100, 500), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(cardPlace(2), before);

    // A release another window took: the next move finds the button up and ends the drag.
    mouseOnPage(QEvent::MouseButtonPress, inCard(2), Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, QPoint(100, 500), Qt::NoButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, QPoint(110, 500), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(view->dragging());
    EXPECT_EQ(cardPlace(2), before);
    EXPECT_TRUE(box("txtID", 2)->isVisible());
}

TEST_F(PageTest, AtTwiceTheSizeCardsBoxesAndBarsFollowTheZoom)
{
    auto* view = static_cast<FleetPageView*>(page());
    QWheelEvent ctrlWheel(QPointF(50, 50), page()->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page(), &ctrlWheel);
    EXPECT_EQ(view->zoom().percent(), 125);
    EXPECT_EQ(fleet.vScroll(), 0) << "Ctrl and the wheel zoom, they do not scroll";
    view->zoom().setPercent(200);
    EXPECT_EQ(page()->size(), QSize(2018, 1361));
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.dropOnPage(QPointF(3000, 4500));
    EXPECT_EQ(box("txtID", 2)->geometry(), QRect(400 + 32, 600 - 102 + 4, 52, 38));
    EXPECT_EQ(box("txtMisc", 1)->fontInfo().pixelSize(), 2 * formDefaultFont().pixelSize());

    // Held 20 pixels of 100 % inside the card, let go at (350, 200) pixels of 100 %.
    mouseOnPage(QEvent::MouseButtonPress, QPoint(440, 640), Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, QPoint(600, 500), Qt::NoButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseMove, QPoint(700, 400), Qt::NoButton, Qt::LeftButton);
    mouseOnPage(QEvent::MouseButtonRelease, QPoint(700, 400), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(cardPlace(2), QPoint(5250, 3000) - QPoint(300, 300));
    EXPECT_EQ(box("txtID", 2)->geometry().topLeft(), QPoint(660 + 32, 360 - 102 + 4));

    // The bars reach as far as the larger page needs, and move it by twice the pixels.
    auto* h = child<QScrollBar>("HScroll");
    auto* v = child<QScrollBar>("VScroll");
    EXPECT_EQ(std::pair(h->maximum(), v->maximum()), std::pair(167, 119));
    h->setValue(150);
    EXPECT_EQ(fleet.hScroll(), 150);
    EXPECT_EQ(page()->x(), -1134);
    view->zoom().reset();
    EXPECT_EQ(std::pair(h->maximum(), v->maximum()), std::pair(67, 64));
    EXPECT_EQ(fleet.hScroll(), 67);
    EXPECT_EQ(page()->x(), -253);
}

TEST_F(PageTest, TheRightButtonShowsTheDescriptionBesideThePointer)
{
    FrmDes* des = window.descriptionWindow();
    const QPoint at = inCard(2, {20, 9});
    mouseOnPage(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    ASSERT_TRUE(des->isVisible());
    // The six lines, each on a line of its own.
    EXPECT_EQ(des->label()->text(), QString(fleet.card(2).description).replace('\r', '\n').chopped(1));
    // 300 twips right of and below the pointer, and a strip's height lower still.
    const QPoint card = pixelRect(fleet.card(2).pictureRect()).topLeft();
    EXPECT_EQ(des->pos(), page()->mapToGlobal(card + QPoint(20 + 20, 51 + 9 + 20)));
    EXPECT_GE(des->width(), des->label()->width());

    mouseOnPage(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(des->isVisible());
    EXPECT_EQ(child<QListWidget>("lstFleet")->currentRow(), 1);
    // Let go where the page could not hear it: the next move hides it all the same.
    fleet.chooseFleetEntry(0);
    mouseOnPage(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(des->isVisible());
    mouseOnPage(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(des->isVisible());
    EXPECT_EQ(child<QListWidget>("lstFleet")->currentRow(), 1);

    // A long description makes the window wider than designed.
    openOther(test::fleetShip("Odd"));
    mouseOnPage(QEvent::MouseButtonPress, inCard(3), Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(des->label()->text().startsWith("Weapon Kind Taken As Name Escort\n"));
    EXPECT_GE(des->width(), des->label()->sizeHint().width());
    EXPECT_GE(des->height(), 115);
    // The window going hides it.
    window.hide();
    EXPECT_FALSE(des->isVisible());
}
