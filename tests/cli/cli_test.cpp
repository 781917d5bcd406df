#include "tests/cli/clitest.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;

using kw::test::CliRun;
using kw::test::CliTest;

TEST_F(CliTest, StatsOfTheVigilant)
{
    const QJsonObject o = json({"stats", vigilant(), "--json"});
    test::expectFields(o, {{"name", "Vigilant"}, {"side", "Blue"}, {"type", "Military Ship"}, {"tmfUsed", 61},
                           {"tmfAvailable", 39}, {"npv", 224}, {"crew", 5}, {"hullPoints", 30}, {"massField", 100},
                           {"warning", QJsonValue::Null}});
    EXPECT_EQ(o["systems"]["FCS"]["cost"].toDouble(), 4);
    EXPECT_EQ(o["systems"].toObject().size(), 23);
    EXPECT_EQ(o["classes"].toArray().size(), 3);   // two warship entries and an escort carrier
    const QJsonArray icons = o["icons"].toArray();
    ASSERT_EQ(icons.size(), 1);
    test::expectFields(icons[0].toObject(), {{"left", 1200}, {"placed", true}});
}

TEST_F(CliTest, DisplayLaysOutTheTrackAndRebuildsTheIcons)
{
    const QJsonObject o = json({"stats", vigilant(), "--display", "--json"});
    test::expectFields(o["track"].toObject(), {{"rows", QJsonArray{8, 8, 7, 7}},
                                               {"crewBoxes", QJsonArray{5, 3, 1, 0, 6}},
                                               {"crewLine", QJsonArray{1, 1, 1, 2}},
                                               {"crewStart", QJsonArray{1, 2, 3, 4}}});
    test::expectFields(o["display"].toObject(), {{"width", 2425}, {"height", 3500}});
    test::expectFields(o["icons"].toArray().at(0).toObject(),
                       {{"code", "FC"}, {"left", 55}, {"top", 0}, {"width", 157.5}, {"placed", false}});
}

TEST_F(CliTest, TypeChoiceAndRules)
{
    const QString path = folder.write("merchant.shp", "Name=Hauler\r\nTMF=100\r\nWeapons=1\r\n"
                                                      "Needle Beam=0,0,,True,False,False,False,False,False,10,10,2,6\r\n");
    const QJsonObject merchant = json({"stats", path, "--type", "merchant", "--json"});
    EXPECT_EQ(merchant["type"].toString(), "Merchant Ship");
    EXPECT_EQ(merchant["crew"].toInt(), 2);
    EXPECT_EQ(merchant["warning"].toString(), "Merchant and Civilian Ships can't have systems greater than\r"
                                              "Class 1 Batteries, Submunitions Packs, Lvl-1 Screens and PDAFS\r"
                                              "and may not carry SMLs, Fighters, Nova Cannons, etc");
    test::expectFields(json({"stats", path, "--type", "military-station", "--json"}),
                       {{"class", "Star Base (SB)"}, {"ftl", "None"}, {"warning", QJsonValue::Null}});
}

TEST_F(CliTest, ResaveIsByteExactForWriterFiles)
{
    const QString out = folder.path() + "/out.shp";
    const CliRun run = cli({"resave", vigilant(), out});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(test::readFile(out), test::readFile(vigilant()));
}

TEST_F(CliTest, AutoCalcFitsTheMassAndRefusesLockedDesigns)
{
    const QJsonObject o = json({"autocalc", vigilant(), "--json"});
    EXPECT_EQ(o["tmfAvailable"].toDouble(), 0);
    EXPECT_LT(o["tmf"].toInt(), 100);
    EXPECT_FALSE(o["icons"].toArray().at(0)["placed"].toBool());

    const QString locked = folder.write("locked.shp", "Protected=True\r\nName=L\r\nTMF=50\r\n");
    const CliRun run = cli({"autocalc", locked});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith("error: "));
    // Stats on a locked design report the load-time figures, and --display changes nothing.
    const QJsonObject shown = json({"stats", locked, "--display", "--json"});
    EXPECT_EQ(shown["tmf"].toInt(), 50);
    EXPECT_EQ(shown["track"]["rows"], (QJsonArray{0, 0, 0, 0}));
}

TEST_F(CliTest, RenderWritesTheSheetInEveryFormat)
{
    const QString bmp = folder.path() + "/v.bmp";
    ASSERT_EQ(cli({"render", vigilant(), bmp}).code, 0);
    const QByteArray bytes = test::readFile(bmp);
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    const QImage sheet(bmp);
    EXPECT_EQ(sheet.size(), QSize(162, 233));
    EXPECT_EQ(sheet.pixel(0, 0), qRgb(0, 0, 0));   // the frame

    const QString png = folder.path() + "/v.png";
    ASSERT_EQ(cli({"render", vigilant(), png}).code, 0);
    EXPECT_EQ(QImage(png), sheet.convertToFormat(QImage(png).format()));

    const QString pdf = folder.path() + "/v.pdf";
    ASSERT_EQ(cli({"render", vigilant(), pdf}).code, 0);
    EXPECT_TRUE(test::readFile(pdf).startsWith("%PDF"));
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (!pdfinfo.isEmpty()) {
        QProcess info;
        info.start(pdfinfo, {pdf});
        info.waitForFinished();
        const QString text = QString::fromLatin1(info.readAllStandardOutput());
        EXPECT_TRUE(text.contains(QRegularExpression("Pages:\\s+1\\n")));
        EXPECT_TRUE(text.contains("A4"));
    }
}

TEST_F(CliTest, RenderRefusesWhatSavingAPictureRefuses)
{
    // Two fire controls with one position: the display does not show the design.
    const QString stale = folder.write("stale.shp", "Name=Stale\r\nTMF=100\r\nFCS=2,100,100\r\nWeapons=0\r\n");
    const CliRun run = cli({"render", stale, folder.path() + "/stale.png"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith("error: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("The System Display no longer matches the design."));
    EXPECT_FALSE(QFile::exists(folder.path() + "/stale.png"));
}

TEST_F(CliTest, NothingIsLeftBehindButTheOutput)
{
    // Without a runtime folder the toolkit would make one in the temp folder.
    QTemporaryDir temp;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", temp.path());
    env.insert("KEELWRIGHT_HOME", folder.path());
    process.setProcessEnvironment(env);
    const QString out = folder.path() + "/v.png";
    process.start(QStringLiteral(KEELWRIGHT_CLI), {"render", vigilant(), out});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

TEST_F(CliTest, ErrorsAndUsage)
{
    // Every misuse of every command: exit code 2, and nothing a script would take for output.
    const QString out = folder.path() + "/x.gif";
    const QList<QStringList> misuses{{},
                                     {"bogus"},
                                     {"stats"},
                                     {"stats", vigilant(), "--type", "dreadnought"},
                                     {"render", vigilant(), out},
                                     {"table"},
                                     {"table", "--bogus", folder.path()},
                                     {"table", folder.path(), "--csv=yes"},
                                     {"fleet"},
                                     {"fleet-new", out},
                                     {"fleet-new", out, vigilant(), "--mass-limit", "lots"}};
    for (const QStringList& args : misuses) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(cli({"table"}).err.startsWith("error: "));

    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* usage : {"table PATH", "fleet FLEET.flt", "fleet-new OUT.flt"})
        EXPECT_TRUE(help.out.contains(usage)) << usage;
    for (const char* command : {"stats", "autocalc", "resave", "render", "table", "fleet", "fleet-new"}) {
        const CliRun commandHelp = cli({command, "--help"});
        EXPECT_EQ(commandHelp.code, 0) << command;
        EXPECT_FALSE(commandHelp.out.isEmpty()) << command;
    }
    EXPECT_TRUE(cli({"table", "--help"}).out.contains("--csv"));

    const CliRun missing = cli({"stats", folder.path() + "/none.shp"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.startsWith("error: ")) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains("File not Found"));
    EXPECT_EQ(cli({"resave", vigilant(), folder.path() + "/no/such/dir/out.shp"}).code, 1);
}
