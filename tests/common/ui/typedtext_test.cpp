#include "common/ui/typedtext.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace kw;

TEST(TypedText, ARefusedKeystrokeLeavesTextAndCaretAsTheyWere)
{
    QLineEdit box;
    QString held;
    // The rule of a controller: no commas, at most three characters. The window shows what the
    // controller holds at once, as a window's mirror does.
    bindTypedText(&box, [&](const QString& typed) {
        QString text = typed;
        text.remove(QLatin1Char(','));
        if (text.size() <= 3)
            held = text;
        box.setText(held);
        return held;
    });
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, "ab,");
    EXPECT_EQ(box.text(), "ab");
    EXPECT_EQ(box.cursorPosition(), 2);
    box.home(false);
    QTest::keyClicks(&box, ",x");
    EXPECT_EQ(box.text(), "xab");
    EXPECT_EQ(box.cursorPosition(), 1);
    QTest::keyClicks(&box, "y");
    EXPECT_EQ(box.text(), "xab");
    EXPECT_EQ(box.cursorPosition(), 1);
    EXPECT_EQ(held, "xab");
}
