#include "tests/support/fakeprompts.h"

#include <gtest/gtest-spi.h>

using namespace kw;
using kw::test::FakePrompts;

// The fake that every controller test answers through must catch the test that forgot to
// expect a question, and the test whose script was never used.
TEST(FakePrompts, UnscriptedQuestionsAndFileDialogsFail)
{
    FakePrompts prompts;
    EXPECT_EQ(prompts.ask({"Saved"}), PromptAnswer::Ok); // a message needs no script
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(prompts.ask({"Quit?", kAppTitle, PromptButtons::YesNo}), PromptAnswer::No),
                            "Quit?");
    EXPECT_NONFATAL_FAILURE(
        EXPECT_EQ(prompts.ask({"Save?", kAppTitle, PromptButtons::YesNoCancel}), PromptAnswer::Cancel), "Save?");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(prompts.openFileName({QString(), "/ships", QString(), QString()})), "/ships");
    EXPECT_EQ(prompts.asked.size(), 3);
    EXPECT_EQ(prompts.dialogs.size(), 1);
}

TEST(FakePrompts, ScriptedAnswersMustFitTheQuestion)
{
    FakePrompts prompts;
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
    EXPECT_NONFATAL_FAILURE(prompts.ask({"Remove bay 1", kAppTitle, PromptButtons::YesNo}), "Cancel is no button");
    EXPECT_EQ(prompts.ask({"Remove bay 2", kAppTitle, PromptButtons::YesNo}), PromptAnswer::Yes);
    prompts.files = {QString("/a.shp"), std::nullopt};
    EXPECT_EQ(prompts.saveFileName({}), "/a.shp");
    EXPECT_FALSE(prompts.saveFileName({}));
}

TEST(FakePrompts, AScriptLeftUnusedFailsWhenTheTestEnds)
{
    EXPECT_NONFATAL_FAILURE(
        {
            FakePrompts prompts;
            prompts.answers = {PromptAnswer::Yes};
        },
        "never asked for: Yes");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePrompts prompts;
            prompts.files = {QString("/b.shp")};
        },
        "never came: /b.shp");
}
