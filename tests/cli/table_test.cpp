// keelwright-cli table over folders of designs, as a player's script would run it.
#include "tests/cli/clitest.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kw;
using kw::test::CliRun;

namespace {

const QByteArray kHeader = "file,name,class,side,tmf,npv,crew,hullPoints,tmfAvailable,locked";

// The designs players exchange, copied into a folder of their own with a few more around them.
class TableTest : public test::CliTest {
protected:
    void SetUp() override
    {
        const QString samples = QStringLiteral(KEELWRIGHT_TEST_DATA "/../../resources/samples");
        QDirIterator it(samples, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            copy(from, from.mid(samples.size() + 1));
        }
        copy(vigilant(), "Fleet/vigilant.shp");
        copy(vigilant(), "Fleet 2/VIGILANT.SHP");
        copy(vigilant(), "a.shp");
        put("notes.txt", "Name=not a design\r\n");
    }
    QString path(const QString& relative) const { return designs.path() + '/' + relative; }
    void copy(const QString& from, const QString& relative) { put(relative, test::readFile(from)); }
    void put(const QString& relative, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The CSV lines without their CR LF; fails on a line end that is not CR LF.
    QList<QByteArray> csvLines(const CliRun& run)
    {
        EXPECT_TRUE(run.out.endsWith("\r\n"));
        EXPECT_EQ(run.out.count('\n'), run.out.count("\r\n"));
        QList<QByteArray> lines = run.out.split('\n');
        lines.removeLast();
        for (QByteArray& line : lines)
            line.chop(1);
        return lines;
    }

    QTemporaryDir designs;
};

// The value "key" has in stats' JSON, as printed there.
QByteArray printedValue(const QByteArray& json, const QByteArray& key)
{
    const QRegularExpression pattern("\"" + QRegularExpression::escape(key) + "\": ([^,\\n]*)");
    return pattern.match(QString::fromUtf8(json)).captured(1).toUtf8();
}

// Sets an environment variable for the runs of one test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

// Every entry below a folder with its size, time and bytes.
QMap<QString, QString> snapshot(const QString& folder)
{
    QMap<QString, QString> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries[info.filePath()] = QString::number(info.size()) + ' ' + info.lastModified().toString(Qt::ISODateWithMs)
                                   + ' '
                                   + QString::fromLatin1(info.isFile() ? test::readFile(info.filePath()).toBase64()
                                                                       : "");
    }
    return entries;
}

} // namespace

TEST_F(TableTest, EveryDesignBelowAFolderSortedByPathAsStatsReportsIt)
{
    const CliRun run = cli({"table", designs.path(), "--csv"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QList<QByteArray> lines = csvLines(run);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1],
              path("Concord Navy/Lancer.shp").toUtf8() + ",Lancer,Destroyer (DD),Concord Navy,28,94,2,8,0,false");
    EXPECT_EQ(lines[3],
              path("Fleet/vigilant.shp").toUtf8() + ",Vigilant,Battlecruiser (BC),Blue,100,224,5,30,39,false");
    const QList<QByteArray> header = kHeader.split(',');
    QStringList files;
    for (const QByteArray& line : lines.mid(1)) {
        const QList<QByteArray> cells = line.split(','); // no design here has a comma in it
        ASSERT_EQ(cells.size(), header.size()) << line.toStdString();
        files << QString::fromUtf8(cells[0]).mid(designs.path().size() + 1);
        const CliRun stats = cli({"stats", QString::fromUtf8(cells[0]), "--json"});
        ASSERT_EQ(stats.code, 0);
        for (qsizetype i = 1; i + 1 < header.size(); ++i) {
            QByteArray printed = printedValue(stats.out, header[i]);
            if (printed.startsWith('"'))
                printed = printed.mid(1, printed.size() - 2);
            EXPECT_EQ(cells[i], printed) << header[i].toStdString() << " of " << cells[0].toStdString();
        }
    }
    EXPECT_EQ(files, (QStringList{"Concord Navy/Lancer.shp", "Concord Navy/Sovereign.shp", "Fleet/vigilant.shp",
                                  "Fleet 2/VIGILANT.SHP", "Free Traders Guild/Long Haul.shp",
                                  "Outer Reach Compact/Ironwake.shp", "Veyari Ascendancy/Thornspire.shp", "a.shp"}));
}

TEST_F(TableTest, RefusedFilesAreNamedAndTheOthersListed)
{
    QDir(designs.path()).removeRecursively();
    QDir().mkpath(designs.path());
    copy(vigilant(), "ok.shp");
    put("notes.txt", "Name=not a design\r\n");
    {
        QFile huge(path("huge.shp")); // beyond what the editor reads, without taking the disk
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(17 * 1024 * 1024));
    }
    const bool linked = QFile::link(path("nowhere.shp"), path("gone.shp"));
    const CliRun run = cli({"table", designs.path(), path("notes.txt"), path("missing.shp"), "--csv"});
    EXPECT_EQ(run.code, 1);
    const QList<QByteArray> lines = csvLines(run);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(path("ok.shp").toUtf8() + ",Vigilant,"));

    QStringList expected{"huge.shp: The ship file", "missing.shp: File not Found", "notes.txt: not a .shp file"};
    if (linked)
        expected.prepend("gone.shp: File not Found");
    const QStringList errors = QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errors.size(), expected.size()) << run.err.toStdString();
    for (qsizetype i = 0; i < errors.size(); ++i)
        EXPECT_TRUE(errors[i].startsWith("error: " + path(expected[i]))) << errors[i].toStdString();
    EXPECT_TRUE(errors[linked ? 1 : 0].contains("too large"));
}

TEST_F(TableTest, CsvQuotesCommasAndQuotes)
{
    put("Odd, \"quoted\".shp",
        "Protected=True\r\nName=Hood, \"the Mighty\"\r\nClass=Heavy Destroyer (HD)\r\nSide=Red\r\n"
        "TMF=50\r\n");
    const CliRun run = cli({"table", path("Odd, \"quoted\".shp"), "--csv"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QList<QByteArray> lines = csvLines(run);
    ASSERT_EQ(lines.size(), 2);
    const QByteArray file = path("Odd, \"\"quoted\"\".shp").toUtf8();
    EXPECT_TRUE(lines[1].startsWith('"' + file + "\",\"Hood, \"\"the Mighty\"\"\",Heavy Destroyer (HD),Red,50,"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(",true")) << lines[1].toStdString(); // a locked design
}

TEST_F(TableTest, TextTableIsAligned)
{
    const CliRun run = cli({"table", designs.path()});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[0].startsWith("File "));
    EXPECT_TRUE(lines[1].startsWith("----"));
    // The padding is the table writer's own business; the tool chooses the figures to go right.
    const qsizetype npvEnd = lines[0].indexOf("NPV") + 3;
    for (const QString& line : lines.mid(2))
        EXPECT_TRUE(line[npvEnd - 1].isDigit() && line[npvEnd] == ' ') << line.toStdString();
    EXPECT_TRUE(lines[2].contains(" Lancer ")) << lines[2].toStdString();
}

// Run from the designs' folder: files are named as given, each once, and nothing is written
// there or anywhere else the tool could write.
TEST_F(TableTest, RelativePathsAsGivenAndNothingWritten)
{
    QTemporaryDir home;
    QTemporaryDir temp;
    QTemporaryDir runtime; // as a login session provides it; without one the toolkit makes one
    ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const ScopedVariable variables[] = {
        {"HOME", home.path()},
        {"XDG_CONFIG_HOME", home.path() + "/.config"},
        {"XDG_DATA_HOME", home.path() + "/.local/share"},
        {"XDG_CACHE_HOME", home.path() + "/.cache"},
        {"XDG_RUNTIME_DIR", runtime.path()},
        {"KEELWRIGHT_SETTINGS", home.path() + "/settings"},
        {"TMPDIR", temp.path()},
    };
    const QStringList watched{home.path(), temp.path(), runtime.path(), designs.path(), folder.path()};
    QList<QMap<QString, QString>> before;
    for (const QString& place : watched)
        before << snapshot(place);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(designs.path()));
    const CliRun text = cli({"table", "Fleet", "a.shp", "notes.txt"});
    const CliRun csv = cli({"table", "Fleet/", "./Fleet 2", "a.shp", "Fleet", "Fleet/vigilant.shp", "--csv"});
    QDir::setCurrent(previous);
    EXPECT_EQ(text.code, 1);
    EXPECT_EQ(text.err, "error: notes.txt: not a .shp file\n");
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    QList<QByteArray> files;
    for (const QByteArray& line : csvLines(csv).mid(1))
        files << line.left(line.indexOf(','));
    EXPECT_EQ(files, (QList<QByteArray>{"./Fleet 2/VIGILANT.SHP", "Fleet/vigilant.shp", "a.shp"}));
    for (qsizetype i = 0; i < watched.size(); ++i)
        EXPECT_EQ(snapshot(watched[i]), before[i]) << watched[i].toStdString();
}
