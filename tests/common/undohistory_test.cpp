#include "common/undohistory.h"

#include <gtest/gtest.h>

using namespace kw;

TEST(UndoHistoryTest, UndoAndRedoWalkTheStatesBackAndForth)
{
    UndoHistory<int> history;
    history.record("Add Weapon", 1);  // state went 1 -> 2
    history.record("Move Icons", 2);  // 2 -> 3
    EXPECT_EQ(history.undoAction(), "Move Icons");
    EXPECT_EQ(history.undo(3), 2);
    EXPECT_EQ(history.undoAction(), "Add Weapon");
    EXPECT_EQ(history.redoAction(), "Move Icons");
    EXPECT_EQ(history.undo(2), 1);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redo(1), 2);
    EXPECT_EQ(history.redo(2), 3);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoAction(), "Move Icons");
}

TEST(UndoHistoryTest, ANewActionForgetsWhatCouldBeRedone)
{
    UndoHistory<int> history;
    history.record("Add Weapon", 1);
    history.undo(2);
    history.record("Move Icons", 1);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redoAction(), QString());
    EXPECT_EQ(history.undoCount(), 1u);
}

TEST(UndoHistoryTest, OnlyTheNewestStepsAreKept)
{
    UndoHistory<int> history(3);
    for (int state = 0; state < 5; ++state)
        history.record(QString::number(state), state);
    EXPECT_EQ(history.undoCount(), 3u);
    EXPECT_EQ(history.undo(5), 4);
    EXPECT_EQ(history.undo(4), 3);
    EXPECT_EQ(history.undo(3), 2);
    EXPECT_FALSE(history.canUndo());
    // Redo is bounded too, and holds the states undo left.
    EXPECT_EQ(history.redoCount(), 3u);
    EXPECT_EQ(history.redo(2), 3);
}
