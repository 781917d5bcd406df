#include "model/numbertext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace kw;

namespace {

// Every text of up to four characters over what numbers are made of, a few that are not,
// and some long ones at the limits of the fast paths.
QList<QByteArray> numberLikeTexts()
{
    const QByteArray alphabet = QByteArrayLiteral("019.-+eE ,\xb2");
    QList<QByteArray> texts{""};
    for (qsizetype from = 0, length = 0; length < 4; ++length) {
        const qsizetype to = texts.size();
        for (qsizetype i = from; i < to; ++i) {
            for (char c : alphabet)
                texts.append(texts[i] + c);
        }
        from = to;
    }
    for (const char* text : {"123456789012345", "1234567890123456", "12345678.9012345", "1234567890.123456",
                             "-999999999999999999", "9999999999999999999", "1e308", "1e309", "-4.9e-324", "1e-400",
                             "0.000000000000001", "00000000000000000000000000000000000000000000000000000000000001",
                             "000000000000000000000000000000000000000000000000000000000000001", "+.5e+5", "5.e-1"})
        texts.append(text);
    return texts;
}

bool sameValue(std::optional<double> a, std::optional<double> b)
{
    // Bit for bit, so that -0 and 0 count as different.
    return a.has_value() == b.has_value() && (!a || std::memcmp(&*a, &*b, sizeof(double)) == 0);
}

} // namespace

TEST(NumberText, BytesAreReadExactlyAsText)
{
    for (const QByteArray& bytes : numberLikeTexts()) {
        const QString text = QString::fromLatin1(bytes);
        EXPECT_TRUE(sameValue(parseNumber(QByteArrayView(bytes)), parseNumber(text))) << bytes.constData();
        for (const qint64 limit : {qint64(32767), qint64(2147483647), qint64(4611686018427387903)}) {
            EXPECT_EQ(parseWholeNumber(QByteArrayView(bytes), -limit - 1, limit), parseWholeNumber(text, -limit - 1, limit))
                << bytes.constData();
        }
    }
    EXPECT_EQ(parseNumber(QByteArrayView("-12.25")), -12.25);
    EXPECT_EQ(parseWholeNumber(QByteArrayView("-32768"), -32768, 32767), -32768);
    // The whole 64-bit range reads; one step beyond it does not.
    constexpr qint64 lo = std::numeric_limits<qint64>::min();
    constexpr qint64 hi = std::numeric_limits<qint64>::max();
    EXPECT_EQ(parseWholeNumber(QByteArrayView("-9223372036854775808"), lo, hi), lo);
    EXPECT_EQ(parseWholeNumber(QByteArrayView("9223372036854775807"), lo, hi), hi);
    EXPECT_EQ(parseWholeNumber(QByteArrayView("9223372036854775808"), lo, hi), std::nullopt);
    EXPECT_EQ(parseWholeNumber(QByteArrayView("-9223372036854775809"), lo, hi), std::nullopt);
    EXPECT_EQ(parseWholeNumber(QByteArrayView("00000000000000000000000012"), lo, hi), 12);
}
