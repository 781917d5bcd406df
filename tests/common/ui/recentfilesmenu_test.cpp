#include "common/ui/recentfilesmenu.h"

#include <QAction>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kw;

TEST(RecentFilesMenu, FollowsItsOwnListAndReportsTheChosenItem)
{
    MemoryRecentFileStore store;
    RecentFiles recent(store);
    RecentFilesMenu menu("&Recent Fleets", RecentKind::Fleets);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    menu.follow(&recent);
    EXPECT_FALSE(menu.menuAction()->isEnabled());

    recent.AddRecentFile("ship.shp", RecentKind::Ships);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    recent.AddRecentFile("one.flt", RecentKind::Fleets);
    recent.AddRecentFile("two.flt", RecentKind::Fleets);
    EXPECT_TRUE(menu.menuAction()->isEnabled());

    QStringList shown;
    for (int i = 0; i < kRecentPlaces; ++i) {
        auto* item = menu.findChild<QAction*>(QStringLiteral("mnuRecent_%1").arg(i));
        ASSERT_NE(item, nullptr) << i;
        if (item->isVisible())
            shown << item->text();
    }
    EXPECT_EQ(shown, QStringList({"&1.  two.flt", "&2.  one.flt"}));

    QSignalSpy chosen(&menu, &RecentFilesMenu::itemChosen);
    menu.findChild<QAction*>("mnuRecent_1")->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 1);

    menu.follow(nullptr);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    recent.AddRecentFile("three.flt", RecentKind::Fleets);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
}
