#include "common/ui/viewzoom.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace kw;

namespace {

bool wheel(ViewZoom& zoom, int angle, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, angle), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    return zoom.wheel(&event);
}

} // namespace

TEST(ViewZoom, TheViewMenuComesBeforeToolsWithItsKeys)
{
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&File"));
    bar.addMenu(QStringLiteral("&Edit"));
    bar.addMenu(QStringLiteral("&Tools"))->setObjectName(QStringLiteral("mnuTools"));
    bar.addMenu(QStringLiteral("&Help"));
    ViewZoom zoom;
    zoom.addViewMenu(&bar);
    QStringList titles;
    for (QAction* menu : bar.actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
    EXPECT_EQ(zoom.zoomInItem()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    EXPECT_EQ(zoom.zoomOutItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_EQ(zoom.actualSizeItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(bar.cornerWidget(Qt::TopRightCorner), zoom.indicator());

    QStringList shown;
    for (int i = 0; i < 6; ++i) {
        zoom.zoomInItem()->trigger();
        shown << zoom.indicator()->text();
    }
    EXPECT_EQ(shown, (QStringList{"125 %", "150 %", "200 %", "300 %", "400 %", "400 %"}));
    EXPECT_FALSE(zoom.zoomInItem()->isEnabled());
    zoom.actualSizeItem()->trigger();
    EXPECT_EQ(zoom.percent(), 100);
    QList<int> down;
    for (int i = 0; i < 4; ++i) {
        zoom.zoomOutItem()->trigger();
        down << zoom.percent();
    }
    EXPECT_EQ(down, (QList<int>{75, 67, 50, 50}));
    EXPECT_FALSE(zoom.zoomOutItem()->isEnabled());
}

TEST(ViewZoom, TheWheelZoomsOnlyWithCtrlAndAWholeNotch)
{
    ViewZoom zoom;
    EXPECT_FALSE(wheel(zoom, 120, Qt::NoModifier));
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_TRUE(wheel(zoom, 60, Qt::ControlModifier));
    EXPECT_EQ(zoom.percent(), 100) << "half a notch of a touchpad";
    EXPECT_TRUE(wheel(zoom, 60, Qt::ControlModifier));
    EXPECT_EQ(zoom.percent(), 125);
    EXPECT_TRUE(wheel(zoom, -240, Qt::ControlModifier));
    EXPECT_EQ(zoom.percent(), 75);
    zoom.setPercent(180);
    EXPECT_EQ(zoom.percent(), 200) << "the nearest step";
}

TEST(ViewZoom, PixelsAndTwipsConvertAtTheZoom)
{
    ViewZoom zoom;
    EXPECT_EQ(zoom.toTwips(QPointF(101.4, 7)), QPointF(1515, 105));
    zoom.setPercent(200);
    EXPECT_EQ(zoom.toTwips(QPointF(202, 14)), QPointF(1515, 105));
    EXPECT_EQ(zoom.pixelRect(1515, 105, 157.5, 315), QRect(202, 14, 21, 42));
    zoom.setPercent(67);
    EXPECT_EQ(zoom.toTwips(QPointF(10, 0)), QPointF(224, 0)) << "whole twips";
    EXPECT_EQ(ViewZoom::detail(1.0), 1);
    EXPECT_EQ(ViewZoom::detail(2.0), 2);
    EXPECT_EQ(ViewZoom::detail(1.5), 2);
}
