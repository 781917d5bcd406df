// The table's two layouts and its numbers, without starting the tool.
#include "cli/shipreport.h"
#include "cli/tableoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <gtest/gtest.h>

using namespace kw;

TEST(TableOutput, CsvQuotesOnlyWhatMustBeQuoted)
{
    const TextRows rows{{"file", "name"},       {"a b.shp", "plain words"}, {"x,y.shp", "Hood, \"the Mighty\""},
                        {"cr.shp", "one\rtwo"}, {"lf.shp", "one\ntwo"},     {"", "\""}};
    EXPECT_EQ(csvText(rows), "file,name\r\n"
                             "a b.shp,plain words\r\n"
                             "\"x,y.shp\",\"Hood, \"\"the Mighty\"\"\"\r\n"
                             "cr.shp,\"one\rtwo\"\r\n"
                             "lf.shp,\"one\ntwo\"\r\n"
                             ",\"\"\"\"\r\n");
    EXPECT_EQ(csvText({}), "");
}

TEST(TableOutput, AlignedTextPadsEachColumnToItsWidestCell)
{
    const TextRows rows{{"File", "TMF", "Locked"}, {"a.shp", "5", "true"}, {"longer.shp", "120", "false"}};
    EXPECT_EQ(alignedText(rows, {false, true, false}), "File        TMF  Locked\n"
                                                       "----------  ---  ------\n"
                                                       "a.shp         5  true\n"
                                                       "longer.shp  120  false\n");
    // A header alone still gets its rule.
    EXPECT_EQ(alignedText({{"File", "TMF"}}, {false, true}), "File  TMF\n----  ---\n");
}

TEST(TableOutput, AlignedTextKeepsARowOnOneLine)
{
    const QString text = alignedText({{"Name", "Side"}, {"a\tb\rc\nd", "x"}}, {false, false});
    EXPECT_EQ(text, "Name     Side\n-------  ----\na b c d  x\n");
}

// The cells carry the figures exactly as the stats JSON prints them.
TEST(TableOutput, ScalarsPrintAsTheJsonWriterPrintsThem)
{
    const QList<QJsonValue> values{0, 39, -7, qint64(1) << 53, 0.1, 157.5, 1.0 / 3, 1e21, -0.0, 12.0, true, false};
    for (const QJsonValue& value : values) {
        QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        json = json.mid(1, json.size() - 2);
        EXPECT_EQ(jsonScalarText(value).toUtf8(), json) << json.toStdString();
    }
    EXPECT_EQ(jsonScalarText(QJsonValue("Hood, \"the Mighty\"")), "Hood, \"the Mighty\"");
    EXPECT_EQ(jsonScalarText(QJsonValue(std::nan(""))), "null");
}
