#include "editor/hangareditor.h"

#include "model/shiprecord.h"
#include "tests/editor/editorfixture.h"

using namespace kw;

namespace {

const QString kCapacityMessage = "The hangar's capacity must be greater than 0.";

class HangarEditorTest : public test::EditorTest {
protected:
    HangarEditor& open(const QList<int>& bays = {})
    {
        for (int capacity : bays)
            editor.addHangarBay(capacity);
        return hangars.emplace(editor);
    }
    const ShipRecord& ship() const { return editor.ship(); }
    // "Remove", then a click on the bay's number, both confirmed.
    void removeBay(int row)
    {
        prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
        hangars->remove();
        hangars->clickBay(row);
    }
    // Each row as "bay capacity mass points".
    QStringList rows() const
    {
        QStringList list;
        for (const HangarRow& row : hangars->rows())
            list << QStringList{row.bay, row.capacity, row.mass, row.points}.join(' ');
        return list;
    }

    std::optional<HangarEditor> hangars;
};

} // namespace

TEST_F(HangarEditorTest, CapacityAndMassFieldsConvertIntoEachOther)
{
    HangarEditor& h = open();
    h.add();
    const std::tuple<const char*, const char*, const char*> fromCapacity[] = {
        {"6", "9", "27"}, {"3", "4", "12"} /* 4.5 to the even neighbour */, {"667", "999", "2997"}};
    for (const auto& [capacity, mass, points] : fromCapacity) {
        h.typeCapacity(capacity, 1);
        EXPECT_EQ(h.massText(), mass) << capacity;
        EXPECT_EQ(h.pointsText(), points) << capacity;
    }
    EXPECT_EQ(h.capacityText(), "666");   // 667 x 1.5 is past the field's 999

    h.typeMass("4", 1);
    EXPECT_EQ(h.capacityText(), "2.66666666666667");
    EXPECT_EQ(h.pointsText(), "12");
    h.typeMass("", 0);   // an emptied field leaves the other one alone
    EXPECT_EQ(h.capacityText(), "2.66666666666667");

    // Only digits stay, and the caret stays behind the digit it followed.
    h.typeCapacity("1x2", 2);
    EXPECT_EQ(h.capacityText(), "12");
    EXPECT_EQ(h.capacityCaret(), 1);
    h.typeMass("a9b", 1);
    EXPECT_EQ(h.massText(), "9");
    EXPECT_EQ(h.massCaret(), 0);
    EXPECT_EQ(h.capacityText(), "6");
    EXPECT_FALSE(h.Converting());
}

TEST_F(HangarEditorTest, AddingABayOfOneTo32767StoresItAndTotalsEveryRow)
{
    HangarEditor& h = open({1});
    h.add();
    EXPECT_EQ(h.EditedBay(), 1);
    h.typeCapacity("3", 1);
    h.done();
    EXPECT_EQ(ship().Hangars, QList<int>({1, 3}));
    // Running sums rounded halves to even after every bay: 1.5 -> 2, 6.5 -> 6; 4.5 -> 4, 17.5 -> 18.
    EXPECT_EQ(h.totalMass(), "6");
    EXPECT_EQ(h.totalPoints(), "18");
    EXPECT_EQ(h.totalSpace(), "4");
    EXPECT_EQ(h.capacityText() + h.massText() + h.pointsText(), "000");
    EXPECT_EQ(h.editMode(), HangarEditMode::Idle);

    // A bay typed by mass is stored rounded, and its row reads as it will when opened again.
    h.add();
    h.typeMass("4", 1);
    h.done();
    EXPECT_EQ(ship().Hangars, QList<int>({1, 3, 3}));
    EXPECT_TRUE(rows().last().startsWith("3 3 4.5 "));

    h.add();
    h.typeCapacity("8", 1);
    h.cancelAddEdit();
    EXPECT_EQ(ship().Hangars.size(), 3);
    EXPECT_EQ(h.capacityText() + h.massText() + h.pointsText(), "000");
    EXPECT_EQ(h.editMode(), HangarEditMode::Idle);
    EXPECT_TRUE(prompts.asked.isEmpty());

    // Only a capacity from 1 to 32767 is stored.
    h.add();
    for (const QString& mass : {QString(), QString("0"), QString("49152"), QString(400, '9')}) {
        prompts.clear();
        h.typeMass(mass, mass.size());
        if (mass.isEmpty())
            h.typeCapacity("", 0);
        h.done();
        EXPECT_EQ(prompts.texts(), QStringList({kCapacityMessage})) << mass.left(10).toStdString();
        EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
        EXPECT_EQ(ship().Hangars, QList<int>({1, 3, 3}));
        EXPECT_TRUE(h.addFrameVisible());
    }
    // 49151 / 1.5 = 32767.3: the largest bay that fits.
    h.typeMass("49151", 5);
    h.done();
    EXPECT_EQ(ship().Hangars, QList<int>({1, 3, 3, 32767}));
}

TEST_F(HangarEditorTest, RemovingABayClosesTheGapAndModifyingOneChangesOnlyThatBay)
{
    HangarEditor& h = open({2, 4, 6});
    // Rows of stored bays show no totals until a bay is stored here.
    EXPECT_EQ(rows(), QStringList({"1 2 3 9", "2 4 6 18", "3 6 9 27"}));
    EXPECT_EQ(h.totalMass() + h.totalPoints() + h.totalSpace(), "");
    prompts.answers = {PromptAnswer::Ok};
    h.remove();
    EXPECT_EQ(prompts.texts(), QStringList({"Click on the bay number to remove that bay."}));
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::OkCancel);
    prompts.answers = {PromptAnswer::No};
    h.clickBay(1);
    EXPECT_EQ(prompts.asked.last().text, "Remove bay 2");
    EXPECT_EQ(prompts.asked.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(ship().Hangars.size(), 3);
    EXPECT_EQ(h.editMode(), HangarEditMode::Idle);
    removeBay(1);
    EXPECT_EQ(ship().Hangars, QList<int>({2, 6}));
    EXPECT_EQ(rows(), QStringList({"1 2 3 9", "2 6 9 27"}));
    EXPECT_EQ(h.totalSpace(), "");   // totals never shown stay hidden

    prompts.clear();
    prompts.answers = {PromptAnswer::Cancel};
    h.modify();
    EXPECT_EQ(h.editMode(), HangarEditMode::Idle);
    EXPECT_EQ(prompts.texts(), QStringList({"Select the bay to modify by clicking on it's number."}));
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::OkCancel);
    prompts.answers = {PromptAnswer::Ok};
    h.modify();
    EXPECT_EQ(h.escapeButton(), HangarCancelButton::Modify);
    h.clickBay(0);
    EXPECT_EQ(h.capacityText() + "/" + h.massText() + "/" + h.pointsText(), "2/3/9");
    h.typeCapacity("10", 2);
    h.done();
    EXPECT_EQ(ship().Hangars, QList<int>({10, 6}));
    EXPECT_EQ(rows()[0], "1 10 15 45");
    prompts.answers = {PromptAnswer::Ok};
    h.modify();
    h.cancelModify();
    EXPECT_EQ(h.editMode(), HangarEditMode::Idle);

    // Totals once shown follow a removal rather than keep counting the removed bay.
    EXPECT_EQ(h.totalSpace(), "16");
    h.add();
    h.typeCapacity("4", 1);
    h.done();
    EXPECT_EQ(h.totalSpace(), "20");
    removeBay(0);
    EXPECT_EQ(h.totalSpace(), "10");
    EXPECT_EQ(h.totalMass(), "15");

    // With no bays left, Modify and Remove ask nothing.
    removeBay(0);
    removeBay(0);
    EXPECT_TRUE(ship().Hangars.isEmpty());
    prompts.clear();
    h.remove();
    h.modify();
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(HangarEditorTest, BayClicksAndButtonsOutsideTheirModeDoNothing)
{
    HangarEditor& h = open({2, 4});
    h.clickBay(0);
    h.add();
    for (int row : {1, 7, -1})
        h.clickBay(row);
    h.modify();
    h.remove();
    h.add();
    EXPECT_EQ(h.editMode(), HangarEditMode::Adding);
    EXPECT_EQ(h.EditedBay(), 2);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

using HangarBaysTest = test::EditorTest;

TEST_F(HangarBaysTest, EveryStoredBayIsCountedAtOnceAndWeighedByTheNextRecalculationOnly)
{
    // The window recalculates when the hangar window closes; its tests show that.
    ASSERT_FALSE(editor.ShipChanged());
    editor.addHangarBay(3);
    editor.addHangarBay(4);
    editor.changeHangarBay(1, 3);
    EXPECT_EQ(editor.ship().Hangars, QList<int>({3, 3}));
    EXPECT_EQ(editor.figures().hangarCount, "2");
    EXPECT_TRUE(editor.ShipChanged());
    EXPECT_EQ(mass(SystemLabel::HANGAR), 0);
    editor.UpdateShip(false);
    EXPECT_EQ(mass(SystemLabel::HANGAR), 9);

    editor.removeHangarBay(0);
    EXPECT_EQ(editor.figures().hangarCount, "1");

    // Impossible bays and a locked design change nothing.
    editor.addHangarBay(0);
    editor.changeHangarBay(0, -1);
    editor.changeHangarBay(1, 5);
    editor.removeHangarBay(3);
    EXPECT_EQ(editor.ship().Hangars, QList<int>({3}));
    editor.setShip_Locked(true);
    editor.addHangarBay(2);
    editor.changeHangarBay(0, 5);
    editor.removeHangarBay(0);
    EXPECT_EQ(editor.ship().Hangars, QList<int>({3}));
}
