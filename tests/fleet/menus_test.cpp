// The menu items that may discard the fleet, the close box, and what marks the fleet changed.
#include "tests/fleet/fleetfixture.h"

using namespace kw;
using kw::test::FleetTest;

namespace {

const QString kSaveCurrent = QStringLiteral("Do you want to Save the current fleet?");
const QString kSaveChanges = QStringLiteral("Do you want to Save changes to the current fleet?");

class MenusTest : public FleetTest {
protected:
    void expectQuestion(qsizetype i, const QString& text, PromptButtons buttons)
    {
        ASSERT_GT(prompts.asked.size(), i);
        EXPECT_EQ(prompts.asked[i].text, text);
        EXPECT_EQ(prompts.asked[i].buttons, buttons);
        EXPECT_EQ(prompts.asked[i].icon, PromptIcon::None);
        EXPECT_EQ(prompts.asked[i].title, "Starmarch Keelwright");
    }
};

} // namespace

TEST_F(MenusTest, NewFleetAsksOnlyAboutChanges)
{
    EXPECT_TRUE(fleet.NewFleet());
    EXPECT_TRUE(prompts.asked.isEmpty());

    addFromSide("Hood");
    fleet.enterLimit(FleetLimit::Ships, "4");
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(fleet.NewFleet());
    expectQuestion(0, kSaveCurrent, PromptButtons::YesNoCancel);
    EXPECT_EQ(fleet.ShipCount(), 1);

    // Yes, but the save dialog is cancelled: the fleet stays.
    prompts.answers = {PromptAnswer::Yes};
    prompts.files = {std::nullopt};
    EXPECT_FALSE(fleet.NewFleet());
    EXPECT_EQ(fleet.ShipCount(), 1);

    prompts.answers = {PromptAnswer::Yes};
    prompts.files = {path("F/Alpha.flt")};
    EXPECT_TRUE(fleet.NewFleet());
    EXPECT_EQ(fleet.ShipCount(), 0);
    EXPECT_EQ(fleet.ShipLimit(), -1);
    EXPECT_EQ(fleet.limitText(FleetLimit::Ships), "-1");
    EXPECT_EQ(fleet.leftText(FleetLimit::Ships), "0");
    EXPECT_FALSE(fleet.HasShips());
    EXPECT_FALSE(fleet.FleetChanged());
    EXPECT_EQ(fleet.addList(), (QStringList{"Cruiser", "Hood", "Scout"}));

    addFromSide("Hood");
    prompts.answers = {PromptAnswer::No};
    EXPECT_TRUE(fleet.NewFleet());
    EXPECT_EQ(fleet.ShipCount(), 0);
}

TEST_F(MenusTest, OpenRecentAndBackToMenuAskAboutChanges)
{
    addFromSide("Hood");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.recentMenu().items[0].caption, "&1.  " + path("F/Alpha.flt"));
    EXPECT_TRUE(fleet.recentMenu().enabled);

    // Unchanged: "&Open" asks for the file at once.
    prompts.files = {path("F/Alpha.flt")};
    EXPECT_TRUE(fleet.Open());
    EXPECT_TRUE(prompts.asked.isEmpty());

    addFromSide("Scout");
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(fleet.Open());
    expectQuestion(0, kSaveChanges, PromptButtons::YesNoCancel);
    EXPECT_EQ(fleet.ShipCount(), 2);

    // A recent fleet replaces the fleet as "&Open" does, so it asks the same.
    prompts.clear();
    prompts.answers = {PromptAnswer::No};
    EXPECT_TRUE(fleet.OpenRecent(0));
    expectQuestion(0, kSaveChanges, PromptButtons::YesNoCancel);
    EXPECT_EQ(fleet.ShipCount(), 1);
    EXPECT_FALSE(fleet.OpenRecent(3));

    EXPECT_TRUE(fleet.BackToMenu());
    addFromSide("Scout");
    prompts.clear();
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::No};
    EXPECT_FALSE(fleet.BackToMenu());
    EXPECT_TRUE(fleet.BackToMenu());
    expectQuestion(1, kSaveChanges, PromptButtons::YesNoCancel);
}

TEST_F(MenusTest, ClosingTheWindow)
{
    prompts.answers = {PromptAnswer::No};
    EXPECT_FALSE(fleet.confirmClose());
    expectQuestion(0, "Are you sure you want to quit?", PromptButtons::YesNo);

    // Yes, then No: the program ends without saving, even with ships in the fleet.
    addFromSide("Hood");
    prompts.clear();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_TRUE(fleet.confirmClose());
    expectQuestion(1, kSaveCurrent, PromptButtons::YesNoCancel);
    EXPECT_TRUE(filesIn("F").isEmpty());

    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Cancel};
    EXPECT_FALSE(fleet.confirmClose());
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    prompts.files = {std::nullopt};
    EXPECT_FALSE(fleet.confirmClose());
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    prompts.files = {path("F/Alpha.flt")};
    EXPECT_TRUE(fleet.confirmClose());
    EXPECT_EQ(filesIn("F"), QStringList{"Alpha.flt"});
}

TEST_F(MenusTest, WhatMarksTheFleetChanged)
{
    const auto changedBy = [this](const std::function<void()>& edit) {
        prompts.files = {path("F/Alpha.flt")};
        EXPECT_TRUE(fleet.SaveFleet());
        EXPECT_FALSE(fleet.FleetChanged());
        edit();
        return fleet.FleetChanged();
    };
    addFromSide("Hood");
    addFromSide("Scout");
    EXPECT_TRUE(changedBy([this] { addFromSide("Hood"); }));
    EXPECT_TRUE(changedBy([this] {
        fleet.chooseFleetEntry(2);
        fleet.Remove();
    }));
    EXPECT_TRUE(changedBy([this] {
        fleet.moveOverCard(1, QPointF(0, 0), true);
        fleet.dropOnPage(QPointF(90, 90));
    }));
    EXPECT_TRUE(changedBy([this] { fleet.typeCardId(1, "X"); }));
    EXPECT_TRUE(changedBy([this] { fleet.typeCardName(1, "Y"); }));
    EXPECT_TRUE(changedBy([this] { fleet.typeCardNotes(1, "Z"); }));
    EXPECT_TRUE(changedBy([this] { fleet.enterLimit(FleetLimit::Points, "900"); }));
    EXPECT_FALSE(changedBy([this] { fleet.enterLimit(FleetLimit::Points, "900"); }));
    EXPECT_FALSE(changedBy([this] {
        fleet.chooseFleetEntry(0);
        fleet.clickPage();
        fleet.setScroll(10, 10);
    }));
}

TEST_F(MenusTest, TheMenuStates)
{
    EXPECT_FALSE(fleet.SaveEnabled());
    EXPECT_FALSE(fleet.HasShips());
    addFromSide("Hood");
    EXPECT_TRUE(fleet.HasShips());
    EXPECT_FALSE(fleet.SaveEnabled());
    // "Save &As" enables "&Save Fleet", whether or not it saved.
    prompts.files = {std::nullopt};
    fleet.SaveAs();
    EXPECT_TRUE(fleet.SaveEnabled());
    EXPECT_TRUE(fleet.SaveAbandoned());
    fleet.Load();
    EXPECT_FALSE(fleet.SaveEnabled());
}
