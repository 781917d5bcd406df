#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

using namespace kw;
using namespace kw::test;

namespace {

class FittedSystemsTest : public EditorTest {
protected:
    // Fits the system through its own control, as a user would.
    void fit(const ShipSystemRow& row)
    {
        switch (row.control) {
        case SystemControl::NumberField:
            type(row.field, "2");
            break;
        case SystemControl::CheckBox:
            editor.setCheck(row.checkBox, true);
            break;
        case SystemControl::SensorOption:
            editor.chooseSensors(row.choice);
            break;
        case SystemControl::HangarList:
            // The window recalculates when the hangar editor closes.
            editor.addHangarBay(3);
            editor.addHangarBay(4);
            editor.UpdateShip(false);
            break;
        case SystemControl::None:
            break;
        }
    }

    QStringList iconCodes() const
    {
        QStringList codes;
        for (const SystemIcon& icon : editor.display().icons())
            codes << icon.tag;
        return codes;
    }
};

} // namespace

// Whatever the editor can fit is costed, drawn on a full update, saved and read back the same:
// a system added to the table cannot be missed by any of them.
TEST_F(FittedSystemsTest, EverySystemIsCostedDrawnSavedAndReadBack)
{
    const QString path = folder.path() + "/fitted.shp";
    for (const ShipSystemRow& row : shipSystems()) {
        if (row.control == SystemControl::None)
            continue;
        SCOPED_TRACE(row.caption);
        editor.Load();
        designVigilant();
        const QString usedBefore = editor.figures().tmfUsed;
        const QString npvBefore = editor.figures().npv;
        fit(row);
        const FittedSystems fitted = editor.fittedSystems();
        EXPECT_GT(fitted.amount(row.system), 0);
        if (row.label) {
            const int label = static_cast<int>(*row.label);
            EXPECT_NE(editor.figures().mass[label] + editor.figures().cost[label], "00");
            EXPECT_NE(editor.figures().tmfUsed + editor.figures().npv, usedBefore + npvBefore);
        }

        editor.UpdateShip(true);
        ASSERT_FALSE(editor.lastWarning());
        const qint64 icons = row.iconCode ? editor.display().iconsWithCode(*row.iconCode).size() : 0;
        EXPECT_EQ(icons, iconCount(row, fitted));
        EXPECT_EQ(icons > 0, row.iconCode != nullptr);
        placeAllIcons(editor);
        ASSERT_TRUE(editor.iconsMatchDesign());
        const QStringList codes = iconCodes();

        ASSERT_TRUE(editor.exportShipFile(path, false, nullptr));
        editor.Load();
        ASSERT_TRUE(editor.OpenShip(path));
        EXPECT_EQ(editor.fittedSystems().amounts, fitted.amounts);
        EXPECT_EQ(editor.fittedSystems().hangarBays, fitted.hangarBays);
        EXPECT_EQ(iconCodes(), codes);
        EXPECT_TRUE(editor.iconsMatchDesign());
    }
}
