// The cards' pictures: where each comes from, and that the cache belongs to the run.
#include "tests/fleet/fleetfixture.h"

#include "common/collectingprompts.h"
#include "editor/shipeditor.h"

#include <QFileInfo>
#include <QImage>

using namespace kw;
using kw::test::FleetTest;

namespace {

class CardPictureTest : public FleetTest {
protected:
    // The record sheet "Save Ship Picture" makes of the ship file.
    QImage recordSheet(const QString& shipPath)
    {
        CollectingPrompts quiet;
        ShipEditor editor(quiet, folder.path());
        editor.Load();
        EXPECT_TRUE(editor.OpenShip(shipPath));
        return editor.composeSheet().value_or(QImage());
    }
    QStringList cached() const { return QDir(pictures.path()).entryList(QDir::Files); }
};

} // namespace

TEST_F(CardPictureTest, AShipWithoutAPictureGetsItsRecordSheetKeptForTheRun)
{
    addFromSide("Hood");
    const QImage sheet = recordSheet(blue("Hood.shp"));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(fleet.card(1).picture.convertToFormat(QImage::Format_RGB32), sheet.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(prompts.asked.isEmpty());
    // Kept in the run's own folder, nowhere beside the ship or in the program folder.
    ASSERT_EQ(cached().size(), 1);
    EXPECT_TRUE(cached()[0].startsWith("Hood-"));
    EXPECT_EQ(QDir(folder.ships() + "/Blue").entryList({"*.bmp"}, QDir::Files), QStringList());
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "/temp"));

    // The cached picture stays for the run even when the design changes.
    const QSize first = fleet.card(1).picture.size();
    // A much larger ship needs a larger display.
    QByteArray bigger = test::readFile(blue("Hood.shp"));
    bigger.replace("TMF=120", "TMF=1200").replace("HullTrack=8,8,7,7", "HullTrack=30,30,30,30");
    folder.write("Ships/Blue/Hood.shp", bigger);
    addFromSide("Hood");
    EXPECT_EQ(fleet.card(2).picture.size(), first);
    EXPECT_EQ(fleet.FleetShips()[1].TMF, 1200);

    // Another organizer with a cache of its own makes the picture afresh.
    QTemporaryDir otherRun;
    FleetOrganizer other(prompts, folder.path(), otherRun.path());
    other.Load();
    ASSERT_TRUE(other.OpenShip(blue("Hood.shp"), "Hood"));
    EXPECT_EQ(other.card(1).picture.size(), recordSheet(blue("Hood.shp")).size());
}

TEST_F(CardPictureTest, ShipFilesOfOneNameInTwoFoldersKeepTheirOwnPictures)
{
    QByteArray bigger = test::readFile(test::fleetShip("Hood"));
    bigger.replace("TMF=120", "TMF=1200").replace("HullTrack=8,8,7,7", "HullTrack=30,30,30,30");
    const QString redHood = folder.write("Ships/Red/Hood.shp", bigger);
    addFromSide("Hood");
    openOther(redHood);
    EXPECT_EQ(fleet.card(2).picture.size(), recordSheet(redHood).size());
    EXPECT_NE(fleet.card(1).picture.size(), fleet.card(2).picture.size());
}

TEST_F(CardPictureTest, ABitmapBesideTheShipFileComesBeforeMakingOne)
{
    QImage own(40, 30, QImage::Format_RGB32);
    own.fill(Qt::red);
    ASSERT_TRUE(own.save(blue("Scout.bmp"), "BMP"));
    addFromSide("Scout");
    EXPECT_EQ(fleet.card(1).picture.size(), QSize(40, 30));
    EXPECT_EQ(fleet.card(1).picture.pixel(5, 5), QColor(Qt::red).rgb());
    EXPECT_TRUE(cached().isEmpty());

    // One that is no picture is passed over.
    folder.write("Ships/Blue/Cruiser.bmp", "not a bitmap");
    addFromSide("Cruiser");
    EXPECT_EQ(fleet.card(2).picture.size(), recordSheet(blue("Cruiser.shp")).size());
}
