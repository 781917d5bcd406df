#include "common/recentfiles.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    RecentFilesTest()
    {
        for (RecentKind kind : {RecentKind::Ships, RecentKind::Fleets})
            QObject::connect(&recent.notifier(kind), &ChangeNotifier::changed, [this, kind] { notices << kind; });
    }
    void add(const QStringList& paths, RecentKind kind = RecentKind::Ships)
    {
        for (const QString& path : paths)
            recent.AddRecentFile(path, kind);
    }
    QStringList ships() const { return recent.places(RecentKind::Ships); }

    MemoryRecentFileStore store;
    RecentFiles recent{store};
    QList<RecentKind> notices;
};

} // namespace

TEST_F(RecentFilesTest, TheNewestComesFirstAndAReusedPathMovesUp)
{
    add({"A", "B", "C"});
    EXPECT_EQ(ships(), QStringList({"C", "B", "A", "", ""}));
    EXPECT_EQ(recent.GetRecentFile(3, RecentKind::Ships), "A");
    add({"B"});
    EXPECT_EQ(ships(), QStringList({"B", "C", "A", "", ""}));
    EXPECT_EQ(notices.size(), 4);

    // The head path again changes nothing, and nobody hears of it.
    add({"B"});
    EXPECT_EQ(ships(), QStringList({"B", "C", "A", "", ""}));
    EXPECT_EQ(notices.size(), 4);
}

TEST_F(RecentFilesTest, TheSixthPathDropsTheOldest)
{
    add({"1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(ships(), QStringList({"6", "5", "4", "3", "2"}));
    add({"3"});
    EXPECT_EQ(ships(), QStringList({"3", "6", "5", "4", "2"}));
}

TEST_F(RecentFilesTest, TheTwoListsAreKeptApart)
{
    add({"a.shp"});
    add({"f.flt"}, RecentKind::Fleets);
    EXPECT_EQ(ships(), QStringList({"a.shp", "", "", "", ""}));
    EXPECT_EQ(recent.GetRecentFile(1, RecentKind::Fleets), "f.flt");
    EXPECT_EQ(notices, QList<RecentKind>({RecentKind::Ships, RecentKind::Fleets}));
    EXPECT_EQ(store.readPlace(RecentKind::Fleets, 1), "f.flt");
}

TEST_F(RecentFilesTest, OddPlacesAndPathsAreHarmless)
{
    for (int place : {0, 6, -1})
        EXPECT_EQ(recent.GetRecentFile(place, RecentKind::Ships), "");
    // A store with a gap, as settings edited by hand may hold: the first empty place stops the
    // shift, so the entries after it stay.
    store.writePlace(RecentKind::Ships, 1, "A");
    store.writePlace(RecentKind::Ships, 3, "C");
    add({"N"});
    EXPECT_EQ(ships(), QStringList({"N", "A", "C", "", ""}));
    // An empty path would read as an empty place at the head of the list.
    add({""});
    EXPECT_EQ(ships().first(), "N");
}

TEST(ShowRecentFiles, CaptionsNumberThePathsAndEmptyPlacesHide)
{
    const RecentMenu menu = ShowRecentFiles({"C:\\Ships\\Terran\\Hawk.shp", "B", "A", "", ""});
    EXPECT_TRUE(menu.enabled);
    EXPECT_EQ(menu.items[0].caption, "&1.  C:\\Ships\\Terran\\Hawk.shp");
    EXPECT_EQ(menu.items[2].caption, "&3.  A");
    for (int i = 0; i < kRecentPlaces; ++i)
        EXPECT_EQ(menu.items[i].visible, i < 3) << i;

    EXPECT_FALSE(ShowRecentFiles({"", "", "", "", ""}).enabled);
    EXPECT_FALSE(ShowRecentFiles({}).enabled);
    // The first place has the last word on the submenu, whatever lies behind it.
    const RecentMenu gap = ShowRecentFiles({"", "B", "", "", ""});
    EXPECT_FALSE(gap.enabled);
    EXPECT_TRUE(gap.items[1].visible);
}
