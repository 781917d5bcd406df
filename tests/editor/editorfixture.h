#pragma once

#include "editor/shipeditor.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <gtest/gtest.h>

namespace kw::test {

// A freshly loaded editor over a throw-away program folder.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() : editor(prompts, folder.path()) { editor.Load(); }

    // Types a value into a field and leaves it, as a user would.
    bool type(NumericField field, const QString& text)
    {
        editor.setFieldText(field, text);
        return editor.leaveField(field);
    }
    double mass(SystemLabel label) const { return editor.figures().mass[static_cast<int>(label)].toDouble(); }
    double cost(SystemLabel label) const { return editor.figures().cost[static_cast<int>(label)].toDouble(); }
    QString field(NumericField f) const { return editor.fields().number(f); }

    // Replaces every mount as a user would: each one removed with a confirmed click on its row,
    // then the new ones added as the Add Weapon dialog adds them.
    void replaceWeapons(const QList<WeaponEntry>& mounts)
    {
        for (int left = editor.ship().WeaponCount(); left > 0; --left) {
            editor.beginRemoveWeapon();
            prompts.answers.append(PromptAnswer::Yes);
            editor.chooseWeaponRow(0);
            if (editor.ship().WeaponCount() != left - 1) {
                ADD_FAILURE() << "a mount could not be removed";
                return;
            }
        }
        editor.addWeapons(mounts);
    }
    // Drops an icon onto the display with its top-left corner at the point, as a drag would.
    void place(int icon, QPointF topLeft) { editor.dropIconOnDisplay(icon, topLeft, QPointF()); }

    // The frigate used throughout: mass 100, average hull, standard FTL, main drive 4.
    void designVigilant()
    {
        type(NumericField::TMF, "100");
        type(NumericField::MD, "4");
    }

    TestFolder folder;
    FakePrompts prompts;
    ShipEditor editor;
};

} // namespace kw::test
