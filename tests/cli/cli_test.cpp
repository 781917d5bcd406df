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

namespace {

using kw::test::CliRun;
using kw::test::CliTest;

QList<int> ints(const QJsonValue& value)
{
    QList<int> list;
    for (const QJsonValue& v : value.toArray())
        list << v.toInt();
    return list;
}

} // namespace

TEST_F(CliTest, StatsOfTheVigilant)
{
    const QJsonObject o = json({"stats", vigilant(), "--json"});
    EXPECT_EQ(o["name"].toString(), "Vigilant");
    EXPECT_EQ(o["side"].toString(), "Blue");
    EXPECT_EQ(o["type"].toString(), "Military Ship");
    EXPECT_EQ(o["tmfUsed"].toDouble(), 61);
    EXPECT_EQ(o["tmfAvailable"].toDouble(), 39);
    EXPECT_EQ(o["npv"].toInt(), 224);
    EXPECT_EQ(o["crew"].toInt(), 5);
    EXPECT_EQ(o["hullPoints"].toInt(), 30);
    EXPECT_EQ(o["massField"].toInt(), 100);
    EXPECT_EQ(o["systems"]["FCS"]["cost"].toDouble(), 4);
    EXPECT_EQ(o["systems"].toObject().size(), 23);
    EXPECT_TRUE(o["warning"].isNull());
    EXPECT_EQ(o["classes"].toArray().size(), 3);   // two warship entries and an escort carrier
    const QJsonArray icons = o["icons"].toArray();
    ASSERT_EQ(icons.size(), 1);
    EXPECT_EQ(icons[0]["left"].toDouble(), 1200);
    EXPECT_TRUE(icons[0]["placed"].toBool());
}

TEST_F(CliTest, DisplayLaysOutTheTrackAndRebuildsTheIcons)
{
    const QJsonObject o = json({"stats", vigilant(), "--display", "--json"});
    EXPECT_EQ(ints(o["track"]["rows"]), (QList<int>{8, 8, 7, 7}));
    EXPECT_EQ(ints(o["track"]["crewBoxes"]), (QList<int>{5, 3, 1, 0, 6}));
    EXPECT_EQ(ints(o["track"]["crewLine"]), (QList<int>{1, 1, 1, 2}));
    EXPECT_EQ(ints(o["track"]["crewStart"]), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(o["display"]["width"].toInt(), 2425);
    EXPECT_EQ(o["display"]["height"].toInt(), 3500);
    const QJsonObject icon = o["icons"].toArray().at(0).toObject();
    EXPECT_EQ(icon["code"].toString(), "FC");
    EXPECT_EQ(icon["left"].toDouble(), 55);
    EXPECT_EQ(icon["top"].toDouble(), 0);
    EXPECT_EQ(icon["width"].toDouble(), 157.5);
    EXPECT_FALSE(icon["placed"].toBool());
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
    const QJsonObject station = json({"stats", path, "--type", "military-station", "--json"});
    EXPECT_EQ(station["class"].toString(), "Star Base (SB)");
    EXPECT_EQ(station["ftl"].toString(), "None");
    EXPECT_TRUE(station["warning"].isNull());
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
    EXPECT_EQ(ints(shown["track"]["rows"]), (QList<int>{0, 0, 0, 0}));
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
    EXPECT_EQ(cli({}).code, 2);
    EXPECT_EQ(cli({"bogus"}).code, 2);
    EXPECT_EQ(cli({"--help"}).code, 0);
    for (const char* command : {"stats", "autocalc", "resave", "render"}) {
        const CliRun help = cli({command, "--help"});
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_FALSE(help.out.isEmpty()) << command;
    }
    EXPECT_EQ(cli({"stats"}).code, 2);
    EXPECT_EQ(cli({"stats", vigilant(), "--type", "dreadnought"}).code, 2);
    EXPECT_EQ(cli({"render", vigilant(), folder.path() + "/x.gif"}).code, 2);
    const CliRun missing = cli({"stats", folder.path() + "/none.shp"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.startsWith("error: ")) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains("File not Found"));
    const CliRun unwritable = cli({"resave", vigilant(), folder.path() + "/no/such/dir/out.shp"});
    EXPECT_EQ(unwritable.code, 1);
}
