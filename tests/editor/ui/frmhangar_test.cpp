#include "editor/ui/frmhangar.h"
#include "tests/editor/editorfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <memory>

using namespace kw;
using namespace kw::test;

namespace {

class FrmHangarTest : public EditorTest {
protected:
    FrmHangar& open(const QList<int>& bays)
    {
        for (int capacity : bays)
            editor.addHangarBay(capacity);
        window = std::make_unique<FrmHangar>(editor);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    template <typename T>
    T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPushButton* button(const QString& name) const { return child<QPushButton>(name); }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void clickBay(int row) { QTest::mouseClick(child<QLabel>(QStringLiteral("lblBay_%1").arg(row)), Qt::LeftButton); }

    std::unique_ptr<FrmHangar> window;
};

} // namespace

TEST_F(FrmHangarTest, ControlsCarryTheirNamesAndCaptions)
{
    FrmHangar& w = open({3, 6});
    EXPECT_EQ(w.windowTitle(), " Hangar Bays");
    EXPECT_EQ(child<QGroupBox>("fraBays")->title(), "Bays Currently Installed:");
    EXPECT_EQ(child<QGroupBox>("fraAdd")->title(), "Select Hangar Capacity or Mass:");
    QStringList captions;
    for (const QLabel* label : window->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"Bay:", "Capacity:", "NPV:", "Mass:", "Total NPV:", "Total Space:", "Total Mass:", "Points Cost:"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdAdd", "Add"},       {"cmdModify", "Modify"},          {"cmdRemove", "Remove"},
        {"cmdOkay", "Okay"},     {"cmdCancelM", "Cancel Modify"}, {"cmdCancelR", "Cancel Remove"},
        {"cmdDone", "Done"},     {"cmdCancelAE", "Cancel"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(button(name)->text(), caption) << name;
    for (const char* name : {"picCont", "picHangMove", "vScroll", "txtCapacity", "txtMass", "lblNPV"})
        child<QWidget>(name);

    EXPECT_FALSE(button("cmdCancelM")->isVisible());
    EXPECT_FALSE(button("cmdCancelR")->isVisible());
    EXPECT_FALSE(child<QGroupBox>("fraAdd")->isVisible());
    // One row of labels per bay.
    EXPECT_EQ(text("lblBay_1") + text("lblSpace_1") + text("lblPoints_1") + text("lblMass_1"), "26279");
    EXPECT_EQ(window->findChild<QLabel*>("lblBay_2"), nullptr);
}

// The conversions are the hangar editor's; here the focus, the selection and what the keys reach.
TEST_F(FrmHangarTest, TypingAddsABayEscapeCancelsAndABayNumberOpensItsBay)
{
    open({3});
    click("cmdAdd");
    EXPECT_TRUE(child<QGroupBox>("fraAdd")->isVisible());
    for (const char* name : {"cmdAdd", "cmdModify", "cmdRemove", "cmdOkay"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    auto* capacity = child<QLineEdit>("txtCapacity");
    auto* mass = child<QLineEdit>("txtMass");
    EXPECT_TRUE(capacity->hasFocus());
    EXPECT_EQ(capacity->selectedText(), "0");   // typing replaces the field
    QTest::keyClicks(capacity, "1x2");
    EXPECT_EQ(capacity->text() + "/" + mass->text() + "/" + text("lblNPV"), "12/18/54");
    QTest::keyClick(capacity, Qt::Key_Backspace);
    QTest::mouseClick(mass, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(mass->selectedText(), "2");

    click("cmdDone");
    EXPECT_EQ(editor.ship().Hangars, QList<int>({3, 1}));
    EXPECT_EQ(text("lblBay_1") + "/" + text("lblSpace_1") + "/" + text("lblMass_1"), "2/1/1.5");
    EXPECT_EQ(text("lblTSpace") + "/" + text("lblTMass"), "4/6");
    EXPECT_FALSE(child<QGroupBox>("fraAdd")->isVisible());
    EXPECT_TRUE(button("cmdAdd")->isEnabled());
    EXPECT_TRUE(button("cmdAdd")->hasFocus());
    // The editor has every stored bay before the window closes.
    EXPECT_EQ(editor.figures().hangarCount, "2");

    // Escape presses only the cancel button of the mode at hand, and none without a mode.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    click("cmdAdd");
    QTest::keyClicks(capacity, "5");
    QTest::keyClick(capacity, Qt::Key_Escape);
    EXPECT_FALSE(child<QGroupBox>("fraAdd")->isVisible());
    EXPECT_EQ(editor.ship().Hangars, QList<int>({3, 1}));
    prompts.answers = {PromptAnswer::Ok};
    click("cmdRemove");
    EXPECT_TRUE(button("cmdCancelR")->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(button("cmdCancelR")->isVisible());

    // A click on a bay's number in the modify mode opens that bay; removing by one is below.
    prompts.answers = {PromptAnswer::Ok};
    click("cmdModify");
    EXPECT_TRUE(button("cmdCancelM")->isVisible());
    clickBay(0);
    EXPECT_FALSE(button("cmdCancelM")->isVisible());
    EXPECT_TRUE(child<QGroupBox>("fraAdd")->isVisible());
    EXPECT_EQ(capacity->text(), "3");
    click("cmdDone");
    click("cmdOkay");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrmHangarTest, TheBayListScrollsRowByRow)
{
    open(QList<int>(13, 5));
    auto* scroll = child<QScrollBar>("vScroll");
    auto* panel = child<QWidget>("picHangMove");
    auto* viewport = child<QWidget>("picCont");
    EXPECT_EQ(scroll->maximum(), 3);
    scroll->setValue(3);
    // Three steps of a 255-twip row and its 100-twip gap, in pixels.
    EXPECT_EQ(panel->y(), -71);
    EXPECT_GE(panel->height(), viewport->height());
    // The last row ends inside the viewport when scrolled to the end.
    QWidget* lastRow = child<QLabel>("lblBay_12")->parentWidget();
    EXPECT_LE(panel->y() + lastRow->geometry().bottom(), viewport->height());

    // Fewer rows shrink the range, and the removed row's labels go.
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
    click("cmdRemove");
    clickBay(12);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<QLabel*>("lblBay_12"), nullptr);
    EXPECT_EQ(scroll->maximum(), 2);
    EXPECT_EQ(scroll->value(), 2);
    EXPECT_EQ(panel->y(), -47);
}

TEST_F(FrmHangarTest, ThousandsOfBaysMakeWidgetsOnlyForTheRowsInView)
{
    QList<int> bays(2000, 5);
    bays.last() = 9;
    open(bays);
    EXPECT_LE(window->findChildren<QLabel*>(QRegularExpression("^lblBay_")).size(), 11);
    auto* scroll = child<QScrollBar>("vScroll");
    scroll->setValue(scroll->maximum());
    EXPECT_EQ(text("lblBay_1999"), "2000");
    EXPECT_EQ(text("lblSpace_1999"), "9");
    // A click on a row in view removes that bay.
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
    click("cmdRemove");
    clickBay(1999);
    EXPECT_EQ(editor.ship().HangarCount(), 1999);
    EXPECT_EQ(editor.ship().Hangars.last(), 5);
}
