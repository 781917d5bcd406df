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
