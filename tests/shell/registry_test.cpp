#include "shell/fileregistrybackend.h"
#include "shell/registry.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

namespace {

constexpr RegistryRoot HKCU = RegistryRoot::CurrentUser;
constexpr RegistryRoot HKCR = RegistryRoot::ClassesRoot;

class RegistryTest : public ::testing::Test {
protected:
    QString file() const { return dir.filePath("registry.txt"); }
    QTemporaryDir dir;
    FileRegistryBackend backend{file()};
    test::FakePrompts prompts;
    Registry registry{backend, prompts};
};

template <typename Call>
RegistryError raised(Call&& call)
{
    try {
        call();
    } catch (const RegistryError& error) {
        return error;
    }
    ADD_FAILURE() << "nothing was raised";
    return RegistryError(0, {}, {}, {});
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST_F(RegistryTest, AnyTextComesBackExactlyFromAnotherReadingOfTheFile)
{
    const QString texts[] = {R"(C:\Games\Ships\x.shp)", R"(say "hi" = %41 \\server\share)", "Ünïcødé ✈ 🚀 日本",
                             QString(300, QLatin1Char('k')) + "end", "two\r\nlines\tand\x01 controls", "", " spaced ",
                             QString(QChar(0xD800)) + "lone" + QChar(0xDC00), "[not a key]", "@=\"x\""};
    int n = 0;
    for (const QString& text : texts)
        registry.SetRegString(HKCU, R"(Software\Starmarch Keelwright\Test)", QStringLiteral("v%1=\"").arg(n++), text);
    FileRegistryBackend again(file());
    Registry reread(again, prompts);
    n = 0;
    for (const QString& text : texts)
        EXPECT_EQ(reread.GetRegString(HKCU, R"(Software\Starmarch Keelwright\Test)", QStringLiteral("v%1=\"").arg(n++)), text);
    EXPECT_FALSE(again.problem());
}

TEST_F(RegistryTest, KeysAndValueNamesIgnoreCaseAndRootsStayApart)
{
    registry.SetRegString(HKCU, R"(Software\Starmarch Keelwright\Prefs)", "ShipAssoc", "1");
    EXPECT_EQ(registry.GetRegString(HKCU, R"(SOFTWARE\starmarch keelwright\prefs)", "SHIPASSOC"), "1");
    EXPECT_EQ(registry.GetRegString(HKCR, R"(Software\Starmarch Keelwright\Prefs)", "ShipAssoc"), "");
    registry.SetRegString(HKCU, R"(Software\Starmarch Keelwright\Prefs)", "shipassoc", "0");
    EXPECT_EQ(registry.GetRegString(HKCU, R"(Software\Starmarch Keelwright\Prefs)", "ShipAssoc"), "0");
    // A key made below another makes the keys above it.
    EXPECT_TRUE(backend.openKey(HKCU, "Software"));
    EXPECT_TRUE(backend.openKey(HKCU, ""));
    EXPECT_FALSE(backend.openKey(HKCU, "Soft"));
}

TEST_F(RegistryTest, FailuresCarryTheirNumbersSourcesAndTexts)
{
    // A missing key reads as empty; a missing value in an existing key is an error.
    EXPECT_EQ(registry.GetRegString(HKCU, R"(Software\Nothing)", "Version"), "");
    registry.SetRegString(HKCU, R"(Software\Starmarch Keelwright\Prefs)", "ShipAssoc", "1");
    RegistryError error = raised([&] { registry.GetRegString(HKCU, R"(Software\Starmarch Keelwright\Prefs)", "FleetAssoc"); });
    EXPECT_EQ(error.number(), 0x80041771u);
    EXPECT_EQ(error.source(), "GetRegString");
    EXPECT_EQ(error.description(), "RegQueryValueEx failed!");

    error = raised([&] { registry.SetRegString(HKCU, R"(Software\\Twice)", "x", "y"); });
    EXPECT_EQ(error.number(), 0x80041773u);
    EXPECT_EQ(error.source(), "SetRegString");
    EXPECT_EQ(error.description(), "RegCreateKeyEx failed!");

    error = raised([&] { registry.DeleteRegValue(HKCR, ".nothing", "", false); });
    EXPECT_EQ(error.number(), 0x80041774u);
    EXPECT_EQ(error.source(), "DeleteRegValue");
    EXPECT_EQ(error.description(), "RegOpenKeyEx failed!");
    EXPECT_TRUE(error.message().startsWith("RegOpenKeyEx failed!\r\n(error 80041774 in DeleteRegValue)"));
}

TEST_F(RegistryTest, AFailedStoreRaisesTheSetValueErrorWithTheFileAndTheReason)
{
    registry.SetRegString(HKCU, "Software", "a", "1");
    // The settings folder is a file now: nothing can be written there.
    QTemporaryDir other;
    const QString blocked = other.filePath("blocked");
    QFile(blocked).open(QIODevice::WriteOnly);
    FileRegistryBackend unwritable(blocked + "/registry.txt");
    Registry broken(unwritable, prompts);
    const RegistryError error = raised([&] { broken.SetRegString(HKCU, "Software", "a", "1"); });
    EXPECT_EQ(error.number(), 0x80041773u);
    EXPECT_TRUE(error.reason().contains(QDir::toNativeSeparators(blocked))) << error.reason().toStdString();
}

TEST_F(RegistryTest, DeletingAsksWhenToldToAndTakesTheWholeKey)
{
    registry.SetRegString(HKCR, R"(shpfile\Shell\Open\Command)", "", "x");
    registry.SetRegString(HKCR, ".shp", "", "shpfile");
    prompts.answers = {PromptAnswer::No};
    EXPECT_FALSE(registry.DeleteRegValue(HKCR, "", "shpfile", true));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, "Are you sure you want to delete shpfile?");
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompts.asked[0].defaultAnswer, PromptAnswer::No);
    EXPECT_TRUE(backend.openKey(HKCR, R"(shpfile\Shell)"));

    EXPECT_TRUE(registry.DeleteRegValue(HKCR, "", "shpfile", false));
    EXPECT_FALSE(backend.openKey(HKCR, "shpfile"));
    EXPECT_FALSE(backend.openKey(HKCR, R"(shpfile\Shell\Open\Command)"));
    // An empty name deletes the opened key itself; the root is never deleted.
    EXPECT_TRUE(registry.DeleteRegValue(HKCR, ".shp", "", false));
    EXPECT_FALSE(backend.openKey(HKCR, ".shp"));
    registry.SetRegString(HKCR, ".flt", "", "fltfile");
    EXPECT_FALSE(registry.DeleteRegValue(HKCR, "", "", false));
    EXPECT_TRUE(backend.openKey(HKCR, ".flt"));
    // Deleting a key keeps the key above it.
    registry.SetRegString(HKCU, R"(Software\Starmarch Keelwright\RecentShips)", "File1", "a");
    registry.DeleteRegValue(HKCU, R"(Software\Starmarch Keelwright)", "RecentShips", false);
    EXPECT_TRUE(backend.openKey(HKCU, R"(Software\Starmarch Keelwright)"));
    EXPECT_FALSE(backend.openKey(HKCU, R"(Software\Starmarch Keelwright\RecentShips)"));
}

TEST_F(RegistryTest, AFileThatCannotBeReadIsReportedAndNeverOverwritten)
{
    const QByteArray broken = "[HKEY_CURRENT_USER\\Software\\Starmarch Keelwright\\Prefs]\n\"ShipAssoc\"=\"1\"\nrubbish\n";
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(broken);
    }
    ASSERT_TRUE(backend.problem());
    EXPECT_TRUE(backend.problem()->contains("line 3")) << backend.problem()->toStdString();
    // Read as empty, written never.
    EXPECT_EQ(registry.GetRegString(HKCU, R"(Software\Starmarch Keelwright\Prefs)", "ShipAssoc"), "");
    const RegistryError error = raised([&] { registry.SetRegString(HKCU, "Software", "a", "1"); });
    EXPECT_TRUE(error.reason().contains("left as it is"));
    EXPECT_EQ(contents(file()), broken);
}

TEST(RegistryFile, ReadingRefusesWhatItDoesNotUnderstandAndNamesTheLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\"a\"=\"b\"\n", "line 1"},
        {"[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\n", "line 2"},
        {"[HKEY_NOWHERE\\x]\n", "line 1"},
        {"[HKEY_CURRENT_USER\\x\\\\y]\n", "line 1"},
        {"[HKEY_CURRENT_USER\\x]\n\"a\"=\"%00zz\"\n", "line 2"},
        {"; fine\n[HKEY_CURRENT_USER\\x]\n\"a\" = \"b\"\n", "line 3"},
        {"[HKEY_CURRENT_USER\\x\n", "line 1"},
    };
    for (const auto& [text, where] : cases) {
        const RegistryFileReading reading = readRegistryFile(QByteArray(text));
        ASSERT_TRUE(reading.problem) << text;
        EXPECT_TRUE(reading.problem->contains(where)) << text << ": " << reading.problem->toStdString();
        EXPECT_TRUE(reading.data.keys().isEmpty());
    }
    EXPECT_TRUE(readRegistryFile(QByteArray("\xff\xfe", 2)).problem);
    EXPECT_TRUE(readRegistryFile(QByteArray(kMaxRegistryFileBytes + 1, ';')).problem);
    const QString deep = QStringLiteral("[HKEY_CURRENT_USER") + QString("\\k").repeated(kMaxKeyDepth + 1) + "]";
    EXPECT_TRUE(readRegistryFile(deep.toUtf8()).problem);
}

TEST(RegistryFile, TheSampleAndAWindowsWrittenFileReadAsWritten)
{
    const RegistryFileReading reading = readRegistryFile(test::readFile(test::dataFile("registry/settings.txt")));
    ASSERT_FALSE(reading.problem) << reading.problem->toStdString();
    EXPECT_EQ(reading.data.value(RegistryRoot::ClassesRoot, "shpfile\\Shell\\Open\\Command", ""),
              "\"/usr/bin/keelwright\" \"/S %1\"");
    EXPECT_EQ(reading.data.value(RegistryRoot::CurrentUser, "Software\\Starmarch Keelwright\\RecentShips", "File2"),
              "/home/me/Ünïcødé 🚀.shp");

    // Windows line ends, a byte-order mark, comments and the default value.
    const RegistryFileReading windows =
        readRegistryFile("\xEF\xBB\xBF; comment\r\n\r\n[HKEY_CLASSES_ROOT\\.shp]\r\n@=\"shpfile\"\r\n[hkey_classes_root]\r\n");
    ASSERT_FALSE(windows.problem) << windows.problem->toStdString();
    EXPECT_EQ(windows.data.value(RegistryRoot::ClassesRoot, ".SHP", ""), "shpfile");
    EXPECT_EQ(readRegistryFile(writeRegistryFile(windows.data)).data, windows.data);
}
