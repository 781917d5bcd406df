// The menu items that may discard the fleet, the close box, and what marks the fleet changed.
#include "tests/fleet/fleetfixture.h"

#include <functional>
#include <string_view>

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

// The window's tests press each item once; here every answer, for every item that would lose the fleet.
TEST_F(MenusTest, NewCloseAndExitSaveAChangedFleetFirstWhenAsked)
{
    const std::pair<const char*, std::function<bool()>> doors[] = {
        {"New Fleet", [this] { return fleet.NewFleet(); }},
        {"the close box", [this] { return fleet.confirmClose(); }},
        {"Exit Program", [this] { return fleet.confirmExit(); }},
    };
    for (const auto& [door, go] : doors) {
        SCOPED_TRACE(door);
        // The close box first asks whether to quit at all, and then always about saving.
        const bool closeBox = std::string_view(door) == "the close box";
        const QList<PromptAnswer> quit = closeBox ? QList<PromptAnswer>{PromptAnswer::Yes} : QList<PromptAnswer>{};
        fleet.Load();
        QDir(path("F")).removeRecursively();
        prompts.clear();
        if (!closeBox) {
            EXPECT_TRUE(go());
            EXPECT_TRUE(prompts.asked.isEmpty()) << "an unchanged fleet is given up without a word";
        }

        addFromSide("Hood");
        fleet.enterLimit(FleetLimit::Ships, "4");
        prompts.clear();
        prompts.answers = quit + QList<PromptAnswer>{PromptAnswer::Cancel};
        EXPECT_FALSE(go());
        if (closeBox)
            expectQuestion(0, "Are you sure you want to quit?", PromptButtons::YesNo);
        expectQuestion(quit.size(), kSaveCurrent, PromptButtons::YesNoCancel);
        prompts.answers = quit + QList<PromptAnswer>{PromptAnswer::Yes};
        prompts.files = {std::nullopt};   // the save dialog is cancelled
        EXPECT_FALSE(go());
        EXPECT_EQ(fleet.ShipCount(), 1);
        prompts.answers = quit + QList<PromptAnswer>{PromptAnswer::No};
        EXPECT_TRUE(go());
        EXPECT_TRUE(filesIn("F").isEmpty());

        addFromSide("Hood");
        prompts.answers = quit + QList<PromptAnswer>{PromptAnswer::Yes};
        prompts.files = {path("F/Alpha.flt")};
        EXPECT_TRUE(go());
        EXPECT_EQ(filesIn("F"), QStringList{"Alpha.flt"});
    }
    // New Fleet leaves an empty fleet without limits, unchanged, with the side's ships to add.
    ASSERT_TRUE(fleet.NewFleet());
    EXPECT_EQ(fleet.ShipCount(), 0);
    EXPECT_EQ(fleet.ShipLimit(), -1);
    EXPECT_EQ(fleet.leftText(FleetLimit::Ships), "0");
    EXPECT_FALSE(fleet.FleetChanged());
    EXPECT_EQ(fleet.addList(), (QStringList{"Cruiser", "Hood", "Scout"}));
}

TEST_F(MenusTest, OpenAndARecentFleetAskAboutChanges)
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
