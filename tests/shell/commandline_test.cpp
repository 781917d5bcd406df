#include "shell/commandline.h"

#include <gtest/gtest.h>

using namespace kw;
using Target = CommandLineAction::Target;

TEST(CommandLine, TheQuotedFormOpensAShipOrAFleetWhateverTheSwitchCase)
{
    EXPECT_EQ(ProcessCommandLine(R"("/S C:\Ships\Terran\Hawk.shp")"), (CommandLineAction{Target::Ship, R"(C:\Ships\Terran\Hawk.shp)"}));
    EXPECT_EQ(ProcessCommandLine(R"("/s C:\My Ships\Hawk.shp")"), (CommandLineAction{Target::Ship, R"(C:\My Ships\Hawk.shp)"}));
    EXPECT_EQ(ProcessCommandLine(R"("/f D:\Fleets\Home.flt")"), (CommandLineAction{Target::Fleet, R"(D:\Fleets\Home.flt)"}));
    // The separator is not looked at, only skipped.
    EXPECT_EQ(ProcessCommandLine(R"("/Sxa.shp")"), (CommandLineAction{Target::Ship, "a.shp"}));
}

TEST(CommandLine, AnythingElseLeadsToTheMainMenu)
{
    for (const char* line : {"", R"("/X C:\a.shp")", R"(/S C:\a.shp)", "\"\"", "x", "\"/S\"", "ab", R"(" /S a.shp")"})
        EXPECT_EQ(ProcessCommandLine(QString::fromUtf8(line)), CommandLineAction{}) << line;
    // Just long enough for the switch and its separator: the path is empty and the editor asks.
    EXPECT_EQ(ProcessCommandLine("\"/S \""), (CommandLineAction{Target::Ship, ""}));
}

TEST(CommandLine, SplitArgumentsTakeEveryFormADesktopOrAUserGives)
{
    const auto exists = [](const QString& path) { return path.startsWith("/home/me/"); };
    // The association's own string, unquoted once by a shell.
    EXPECT_EQ(commandLineAction({R"("/s /home/me/Hawk.shp")"}, exists), (CommandLineAction{Target::Ship, "/home/me/Hawk.shp"}));
    // A switch and a path, as one argument or two; the path need not exist yet.
    EXPECT_EQ(commandLineAction({"/S", "/tmp/New.shp"}, exists), (CommandLineAction{Target::Ship, "/tmp/New.shp"}));
    EXPECT_EQ(commandLineAction({"/f /home/me/My Fleet.flt"}, exists), (CommandLineAction{Target::Fleet, "/home/me/My Fleet.flt"}));
    EXPECT_EQ(commandLineAction({"/F", "/home/me/My Fleet.flt"}, exists), (CommandLineAction{Target::Fleet, "/home/me/My Fleet.flt"}));
    // What a file manager passes: one existing design file.
    EXPECT_EQ(commandLineAction({"/home/me/Hawk.SHP"}, exists), (CommandLineAction{Target::Ship, "/home/me/Hawk.SHP"}));
    EXPECT_EQ(commandLineAction({"/home/me/Home.flt"}, exists), (CommandLineAction{Target::Fleet, "/home/me/Home.flt"}));
}

TEST(CommandLine, SplitArgumentsThatSayNothingClearLeadToTheMainMenu)
{
    const auto exists = [](const QString&) { return true; };
    const auto missing = [](const QString&) { return false; };
    EXPECT_EQ(commandLineAction({}, exists), CommandLineAction{});
    EXPECT_EQ(commandLineAction({"/home/me/Hawk.shp"}, missing), CommandLineAction{});
    EXPECT_EQ(commandLineAction({"/home/me/notes.txt"}, exists), CommandLineAction{});
    EXPECT_EQ(commandLineAction({"/X", "/home/me/Hawk.shp"}, exists), CommandLineAction{});
    EXPECT_EQ(commandLineAction({"/S", "/home/me/My", "Ship.shp"}, exists), CommandLineAction{});
    EXPECT_EQ(commandLineAction({"/S"}, exists), CommandLineAction{});
    EXPECT_EQ(commandLineAction({"--help"}, exists), CommandLineAction{});
    // Quoted, but with a switch that does not exist.
    EXPECT_EQ(commandLineAction({R"("/Q /home/me/Hawk.shp")"}, exists), CommandLineAction{});
}
