#include "common/ui/viewzoom.h"
#include "editor/keyboardmover.h"
#include "editor/shipeditor.h"
#include "editor/ui/holdingboxview.h"
#include "editor/ui/icondrag.h"
#include "editor/ui/sheetpanel.h"
#include "editor/ui/systemdisplayview.h"
#include "tests/editor/salvodesign.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace kw;
using namespace kw::test;

namespace {

// The record-sheet panel over an editor with one launcher and two magazines.
class SheetPanelTest : public ::testing::Test {
protected:
    SheetPanelTest() : editor(prompts, folder.path())
    {
        editor.Load();
        for (auto [field, text] : {std::pair{NumericField::TMF, "100"}, {NumericField::MD, "4"}, {NumericField::FCS, "1"}}) {
            editor.setFieldText(field, text);
            editor.leaveField(field);
        }
        addSalvoMounts(editor, 1, 2);
        editor.UpdateShip(true);
        panel = std::make_unique<SheetPanel>(editor);
        panel->show();
        panel->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
        view = panel->displayView();
        canvas = panel->holdingBox()->canvas();
        prompts.clear();
    }

    const DisplayModel& model() const { return editor.display(); }
    // The pixel at the middle of an icon, in its own view.
    static QPoint middleOf(const SystemIcon& icon) { return pixelRect(icon.rect()).center(); }

    // Drags an icon out of the holding box with the mouse and lets it fall on the display.
    void dragFromHoldingBox(int icon, QPoint dropPixel)
    {
        const QPoint press = middleOf(model().icon(icon));
        QTest::mousePress(canvas, Qt::LeftButton, {}, press);
        QTest::mouseMove(canvas, press + QPoint(10, 10));   // starts the drag
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, press + QPoint(10, 10));
        const SystemIcon& i = model().icon(icon);
        drop(IconDrag{icon, QPointF(press) * kTwipsPerPixel - QPointF(i.left, i.top)}, dropPixel);
    }

    // What the platform's drag delivers to the display where the pointer is let go.
    bool drop(const IconDrag& drag, QPoint pixel, QWidget* target = nullptr)
    {
        target = target ? target : view;
        std::unique_ptr<QMimeData> data(iconDragData(drag));
        QDragEnterEvent enter(pixel, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(pixel, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent dropEvent(pixel, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropEvent);
        return dropEvent.isAccepted();
    }

    // Somewhere on the line that no icon or marker covers is black.
    bool lineShown(const QLineF& line) const
    {
        const QImage shown = view->grab().toImage();
        bool seen = false;
        for (int step = 1; step < 20; ++step) {
            const QPoint at = (line.pointAt(step / 20.0) / kTwipsPerPixel).toPoint();
            bool covered = false;
            for (const SystemIcon& icon : model().icons())
                covered = covered || pixelRect(icon.rect()).adjusted(-2, -2, 2, 2).contains(at);
            if (covered)
                continue;
            bool black = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    black = black || shown.pixelColor(at + QPoint(dx, dy)) == QColor(Qt::black);
            if (!black)
                return false;
            seen = true;
        }
        return seen;
    }

    void click(int icon, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(view, Qt::LeftButton, modifiers, middleOf(model().icon(icon)));
    }

    TestFolder folder;
    FakePrompts prompts;
    ShipEditor editor;
    std::unique_ptr<SheetPanel> panel;
    SystemDisplayView* view = nullptr;
    QWidget* canvas = nullptr;
};

TEST_F(SheetPanelTest, ControlsCarryTheirNamesCaptionsAndPlaces)
{
    EXPECT_EQ(panel->sizeHint(), QSize(427, 437));
    auto* frame = panel->findChild<QGroupBox*>("fraSysCont");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "Drag Systems from this box into the white box below.");
    ASSERT_NE(panel->findChild<QWidget*>("picCont"), nullptr);
    EXPECT_EQ(panel->findChild<QWidget*>("picCont")->palette().color(QPalette::Window), QColor(255, 224, 192));
    auto* link = panel->findChild<QPushButton*>("cmdLink");
    auto* cancel = panel->findChild<QPushButton*>("cmdCancelL");
    ASSERT_TRUE(link && cancel);
    EXPECT_EQ(link->text(), "Link Salvo Launcher to Magazine");
    EXPECT_EQ(cancel->text(), "Cancel Linking");
    EXPECT_TRUE(link->isVisible());
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_EQ(link->geometry(), cancel->geometry());
    EXPECT_LT(link->geometry().bottom(), view->geometry().top());

    // TMF 100: a 2425 x 3500 display centred in the frame, 100 twips above its bottom.
    EXPECT_EQ(view->size(), QSize(162, 233));
    EXPECT_EQ(view->pos(), SheetPanel::toPanel(5445 + (6390 - 2425) / 2.0f, 1530 + 6450 - 3500 - 100));
    QStringList items;
    for (QAction* action : view->alignmentMenu()->actions())
        items << action->objectName() + "=" + action->text();
    EXPECT_EQ(view->alignmentMenu()->objectName(), "mnuAlign");
    EXPECT_EQ(items, (QStringList{"mnuLU_0=Tops", "mnuLU_1=Middles", "mnuLU_2=Bottoms", "mnuLU_3=", "mnuLU_4=Lefts",
                                  "mnuLU_5=Centers", "mnuLU_6=Rights"}));
}

TEST_F(SheetPanelTest, TheHoldingBoxScrollsItsCanvas)
{
    // More icons than the box shows at once.
    for (auto [field, count] : {std::pair{NumericField::PDS, "100"}, {NumericField::FCS, "50"}}) {
        editor.setFieldText(field, count);
        editor.leaveField(field);
    }
    editor.UpdateShip(true);
    QScrollBar* bar = panel->holdingBox()->scrollBar();
    ASSERT_GE(model().holdingScrollMax, 300);
    EXPECT_EQ(bar->maximum(), model().holdingScrollMax);
    bar->setValue(300);
    EXPECT_EQ(model().holdingScrollValue, 300);
    EXPECT_EQ(canvas->y(), -20);
}

TEST_F(SheetPanelTest, ABandDrawnWithTheMouseSelectsAndMarks)
{
    for (int i = 1; i <= model().iconCount(); ++i)
        dragFromHoldingBox(i, QPoint(40, 15 + 30 * (i - 1)));
    ASSERT_TRUE(model().allPlaced());
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseMove(view, QPoint(60, 60));
    EXPECT_EQ(view->band(), QRect(QPoint(60, 60), QPoint(150, 100)));
    QTest::mouseMove(view, QPoint(2, 2));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(view->band().isEmpty());
    EXPECT_EQ(model().SelectedIcons, (QList<int>{1, 2, 3, 4}));

    // The markers: dotted around icon 1, solid around the reference, icon 4.
    const QImage shown = view->grab().toImage();
    const QRect reference = pixelRect(model().icon(4).rect()).adjusted(-1, -1, 1, 1);
    for (QPoint corner : {reference.topLeft(), reference.bottomRight(), reference.topRight() + QPoint(0, 3)})
        EXPECT_EQ(shown.pixelColor(corner), QColor(Qt::black)) << corner.x() << "," << corner.y();

    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(150, 200));   // no band: clears
    EXPECT_TRUE(model().SelectedIcons.isEmpty());
}

// The same panel with every icon dragged onto the display.
class PlacedSheetTest : public SheetPanelTest {
protected:
    PlacedSheetTest()
    {
        dragFromHoldingBox(1, QPoint(80, 150));
        dragFromHoldingBox(launcher, QPoint(12, 30));
        dragFromHoldingBox(magazineA, QPoint(58, 100));
        dragFromHoldingBox(magazineB, QPoint(127, 60));
        EXPECT_TRUE(model().allPlaced());
    }

    // Chooses the alignment from the context menu of the reference icon.
    void alignFromMenu(int reference, const char* item)
    {
        QTest::mousePress(view, Qt::RightButton, {}, middleOf(model().icon(reference)));
        EXPECT_TRUE(view->alignmentMenu()->isVisible());
        for (QAction* action : view->alignmentMenu()->actions()) {
            if (action->objectName() == item)
                action->trigger();
        }
        view->alignmentMenu()->close();
    }

    void link(int first, int second)
    {
        QTest::mouseClick(panel->linkButton(), Qt::LeftButton);
        click(first);
        click(second);
    }

    const int launcher = mountIcon(editor, 0);
    const int magazineA = mountIcon(editor, 1);
    const int magazineB = mountIcon(editor, 2);
};

TEST_F(PlacedSheetTest, DropsOnAnotherIconOrAFixedPictureMoveNothing)
{
    const TwipRect beforeFc = model().icon(1).rect();
    EXPECT_FALSE(drop({1, {0, 0}}, middleOf(model().icon(launcher))));
    EXPECT_FALSE(drop({1, {0, 0}}, pixelRect(model().sheet.bridge).center()));
    EXPECT_EQ(model().icon(1).rect(), beforeFc);
    // A drop back into the holding box and out again.
    EXPECT_TRUE(drop({1, {0, 0}}, QPoint(300, 100), canvas));
    EXPECT_FALSE(model().icon(1).placed());
    dragFromHoldingBox(1, QPoint(80, 150));
    EXPECT_TRUE(model().icon(1).placed());
}

TEST_F(PlacedSheetTest, TheReferencesContextMenuAlignsTheSelection)
{
    click(magazineA);
    click(launcher, Qt::ShiftModifier);
    EXPECT_TRUE(view->hasFocus());
    alignFromMenu(launcher, "mnuLU_0");
    EXPECT_EQ(model().icon(magazineA).top, model().icon(launcher).top);
}

TEST_F(PlacedSheetTest, ArrowKeysMoveAtTheKeyDownAndOnEveryTickUntilTheKeyComesUp)
{
    click(launcher);
    const float top = model().icon(launcher).top;
    QTest::keyPress(view, Qt::Key_Down);
    EXPECT_TRUE(panel->mover().moving());
    for (int tick = 0; tick < 40; ++tick)
        panel->mover().tick();
    QTest::keyRelease(view, Qt::Key_Down);
    EXPECT_FALSE(panel->mover().moving());
    EXPECT_EQ(model().icon(launcher).top, top + 41 * 15);
}

TEST_F(PlacedSheetTest, EscapeDropsTheLinkBeingMade)
{
    QTest::mouseClick(panel->linkButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.lastText(), "Click on a magazine and a Launcher to connect them.");
    EXPECT_TRUE(panel->cancelLinkButton()->isVisible());
    EXPECT_FALSE(panel->linkButton()->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(editor.ship().SalvoLinkCount(), 0);
    EXPECT_TRUE(panel->linkButton()->isVisible());
}

TEST_F(PlacedSheetTest, LinkLinesAreDrawn)
{
    // The launcher below the magazines, so its lines clear them.
    editor.dropIconOnDisplay(launcher, {300, 2500}, {0, 0});
    link(launcher, magazineA);
    link(magazineB, launcher);
    EXPECT_EQ(editor.ship().SalvoLinkCount(), 2);
    EXPECT_FALSE(panel->linkButton()->isVisible());
    EXPECT_FALSE(panel->cancelLinkButton()->isVisible());
    const QList<QLineF> lines = editor.shownLinkLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lineShown(lines[0]));
    EXPECT_TRUE(lineShown(lines[1]));
}

TEST_F(SheetPanelTest, AZoomedDisplayDropsOnTheSameTwipsAtTwiceThePixels)
{
    // Held 45 and 30 twips inside, let go at 40, 60 pixels: at 100 %, then at 200 %.
    ASSERT_TRUE(drop({1, {45, 30}}, QPoint(40, 60)));
    const TwipRect at100 = model().icon(1).rect();
    EXPECT_EQ(QPointF(at100.left, at100.top), QPointF(600 - 45, 900 - 30));
    ASSERT_TRUE(drop({1, {0, 0}}, QPoint(300, 100), canvas));
    view->zoom().setPercent(200);
    EXPECT_EQ(view->size(), QSize(323, 467));
    EXPECT_EQ(view->pos(), panel->displayRect().topLeft());
    EXPECT_TRUE(panel->frameRect().contains(view->geometry()));
    ASSERT_TRUE(drop({1, {45, 30}}, QPoint(80, 120)));
    EXPECT_EQ(model().icon(1).rect(), at100);
    // A short move onto itself puts the icon's corner under the pointer.
    const ViewZoom& zoom = view->zoom();
    const QPoint to = zoom.pixelRect(at100.left, at100.top, 1, 1).topLeft() + QPoint(10, 12);
    ASSERT_TRUE(drop({1, {0, 0}}, to));
    const SystemIcon& moved = model().icon(1);
    EXPECT_EQ(zoom.pixelRect(moved.left, moved.top, 1, 1).topLeft(), to);
}

TEST_F(SheetPanelTest, BandsAndClicksAtHalfAndThreeTimesTheSize)
{
    for (int i = 1; i <= model().iconCount(); ++i)
        editor.dropIconOnDisplay(i, QPointF(600, 300 + 450 * (i - 1)), {0, 0});
    const auto band = [this](QPoint from, QPoint to) {
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
        return model().SelectedIcons;
    };
    // Icon i has its corner at (40, 20 + 30 (i - 1)) pixels at 100 %.
    view->zoom().setPercent(50);
    EXPECT_EQ(band(QPoint(100, 40), QPoint(10, 5)), (QList<int>{1, 2}));
    view->zoom().setPercent(300);
    EXPECT_EQ(band(QPoint(100, 50), QPoint(130, 160)), (QList<int>{1, 2}));
    const auto at = [this](int i) {
        const TwipRect r = model().icon(i).rect();
        return view->zoom().pixelRect(r.left, r.top, r.width, r.height);
    };
    QTest::mouseClick(view, Qt::LeftButton, {}, at(3).center());
    EXPECT_EQ(model().SelectedIcons, QList<int>{3});
    // The marker hugs the enlarged icon.
    EXPECT_EQ(view->grab().toImage().pixelColor(at(3).topLeft() - QPoint(1, 1)), QColor(Qt::black));
    view->zoom().setPercent(50);
    QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, at(4).center());
    EXPECT_EQ(model().SelectedIcons, (QList<int>{3, 4}));
}

TEST_F(SheetPanelTest, ALockedShipKeepsItsIconsWhereTheyAre)
{
    editor.setShip_Locked(true);
    const QPoint press = middleOf(model().icon(1));
    QTest::mousePress(canvas, Qt::LeftButton, {}, press);
    QTest::mouseMove(canvas, press + QPoint(20, 20));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, press + QPoint(20, 20));
    EXPECT_FALSE(drop({1, {0, 0}}, QPoint(40, 40)));
    EXPECT_FALSE(model().icon(1).placed());
}

} // namespace
