#include "storage/bytetext.h"
#include "storage/codepage.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>

using namespace kw;

namespace {

QList<QByteArray> allItems(QByteArrayView value)
{
    QList<QByteArray> items;
    ItemCursor cursor(value);
    while (!cursor.atEnd())
        items.append(cursor.next().toByteArray());
    return items;
}

} // namespace

TEST(ByteText, LinesLoseTheirEnds)
{
    // CR LF, LF and a lone CR; CR CR LF is a line and an empty one.
    ByteLines lines("a=1\r\nb=2\n\r\n#c\rd\ne=5\r\r\nlast\r");
    QList<QByteArray> seen;
    while (!lines.atEnd())
        seen.append(lines.next().toByteArray());
    EXPECT_EQ(seen, (QList<QByteArray>{"a=1", "b=2", "", "#c", "d", "e=5", "", "last"}));
}

TEST(ByteText, ItemsSplitAtEveryCommaWhereverItFalls)
{
    // Commas before, at and after each eight-byte step of the search.
    for (int at = 0; at < 20; ++at) {
        for (int second = at; second < 20; ++second) {
            QByteArray value(20, 'x');
            value[at] = ',';
            value[second] = ',';
            EXPECT_EQ(allItems(value), value.split(',')) << value.constData();
        }
    }
    EXPECT_EQ(allItems(""), (QList<QByteArray>{""}));
    EXPECT_EQ(allItems("1,,2,"), (QList<QByteArray>{"1", "", "2", ""}));
    ItemCursor cursor("only");
    cursor.next();
    EXPECT_TRUE(cursor.next().isNull());
}

TEST(ByteText, NamesAreUpperCasedAsTheDecodedTextWouldBe)
{
    // Every byte of the code page inside a key-like text; the German sharp s becomes "SS".
    for (int b = 0; b < 256; ++b) {
        const QByteArray text = "pd" + QByteArray(1, static_cast<char>(b)) + "s";
        const QString upper = decodeCodePage(text).toUpper();
        const QByteArray expected = upper.toLatin1() == upper.toUtf8() ? upper.toLatin1() : QByteArray();
        EXPECT_EQ(UpperName(text).text(), expected.toStdString()) << b;
    }
    EXPECT_EQ(UpperName("pa\xdf" "engerspace").text(), "PASSENGERSPACE");
    EXPECT_EQ(UpperName(QByteArray(40, 'a')).text(), "");
}
