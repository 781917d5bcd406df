#include "storage/shipfileitems.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>

using namespace kw;

TEST(ShipFileItems, FlagsInAnyCaseOrAsNumbers)
{
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true},   {"tRUE", true},   {"FALSE", false},  {"false", false},      {"1", true},
        {"-7", true},     {"0", false},     {"True ", {}},     {"Tru", {}},           {"yes", {}},
        {"", {}},         {"2147483648", {}}, {"Tr\xfc" "e", {}}, {"FAL\xdf" "E", {}}};
    for (const auto& [item, expected] : cases)
        EXPECT_EQ(readBoolean(item), expected) << item;
}

TEST(ShipFileItems, MountCodesAreTheNumbersAsText)
{
    for (int n = -3; n <= 1003; ++n)
        EXPECT_EQ(mountCode(n), QString::number(n));
    EXPECT_EQ(mountCode(32767), "32767");
    EXPECT_EQ(mountCode(-32768), "-32768");
}

TEST(ShipFileItems, SharedTextsGiveEachTextItsOwnValue)
{
    // More different texts than are kept for sharing, each seen twice, from separate buffers.
    SharedTexts texts;
    QList<QByteArray> buffers;
    for (int round = 0; round < 2; ++round) {
        for (int k = 0; k < 40; ++k) {
            buffers.append("Kind " + QByteArray::number(k) + "\xe9\x80");
            EXPECT_EQ(texts.text(buffers.last()), QString("Kind %1\u00e9\u20ac").arg(k));
        }
    }
    EXPECT_TRUE(texts.text(QByteArrayView()).isNull());
    const QByteArray empty("");
    EXPECT_FALSE(texts.text(empty).isNull());
    EXPECT_TRUE(texts.text(empty).isEmpty());
}
