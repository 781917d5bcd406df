#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

using namespace kw;
using kw::test::EditorTest;
using kw::test::placeAllIcons;

class SavePictureTest : public EditorTest {
protected:
    void placedDesign()
    {
        designVigilant();
        type(NumericField::FCS, "1");
        editor.chooseStreamlining(2);
        editor.setNameText("Vigilant");
        editor.UpdateShip(true);
        place(1, QPointF(1200, 450));
    }
};

TEST_F(SavePictureTest, RefusedUntilEverySystemIsPlaced)
{
    designVigilant();
    type(NumericField::FCS, "1");
    editor.UpdateShip(true);
    EXPECT_FALSE(editor.SavePic());
    EXPECT_EQ(prompts.texts(), QStringList{"You must place all systems into the Ship's System Display"});
}

TEST_F(SavePictureTest, SavedBySideAsABitmapOfTheDisplaysSize)
{
    placedDesign();
    EXPECT_EQ(editor.display().hull.streamliningCaption, "Full Streamlining");
    prompts.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(editor.SavePic());
    const QString path = QDir::toNativeSeparators(folder.ships() + "/Blue/Vigilant.bmp");
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].title, "Save Ship Picture");
    EXPECT_EQ(prompts.asked[0].text, "Save according to side (yes) or in another directory (no)?");
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompts.asked[1].text, "Ship Saved as " + path);
    const QImage saved(path);
    EXPECT_EQ(saved.size(), QSize(162, 233));
    EXPECT_EQ(test::readFile(path).left(2), "BM");
    // The grid is back; the caption waits for the next redraw.
    EXPECT_TRUE(editor.display().hull.gridShown);
    EXPECT_TRUE(editor.display().hull.streamliningCaption.isEmpty());

    // Saving again by side replaces the picture without asking.
    prompts.clear();
    prompts.answers = {PromptAnswer::Yes};
    EXPECT_TRUE(editor.SavePic());
    EXPECT_EQ(prompts.asked.size(), 2);
}

TEST_F(SavePictureTest, OtherFolderCancelAndFailure)
{
    placedDesign();
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(editor.SavePic());
    prompts.answers = {PromptAnswer::No};
    prompts.files = {std::nullopt};   // the save dialog is cancelled
    EXPECT_FALSE(editor.SavePic());
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].filter,
              "Windows Bitmap (*.bmp)|*.bmp|PNG Picture (*.png)|*.png|PDF Document (*.pdf)|*.pdf|");
    EXPECT_EQ(prompts.dialogs[0].proposedName, "Vigilant.bmp");
    EXPECT_EQ(prompts.dialogs[0].startFolder, QDir::toNativeSeparators(folder.ships() + "/"));

    prompts.clear();
    prompts.answers = {PromptAnswer::No};
    prompts.files = {folder.path() + "/no/such/folder/x.bmp"};
    EXPECT_FALSE(editor.SavePic());
    EXPECT_TRUE(prompts.lastText().startsWith("The ship picture could not be saved as "));
    EXPECT_TRUE(editor.display().hull.gridShown);

    // A target given by the program is written without a word; an empty one names no file.
    prompts.clear();
    EXPECT_TRUE(editor.SavePic(folder.path() + "/given.bmp"));
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(QFile::exists(folder.path() + "/given.bmp"));
    prompts.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(editor.SavePic(QString()));
    EXPECT_EQ(prompts.texts(), QStringList{"Save according to side (yes) or in another directory (no)?"});
}

TEST_F(SavePictureTest, TheChosenNameSaysTheFormat)
{
    placedDesign();
    const QString png = folder.path() + "/v.png";
    const QString pdf = folder.path() + "/v.PDF";
    const QString plain = folder.path() + "/v";
    prompts.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::No};
    prompts.files = {png, pdf, plain};
    ASSERT_TRUE(editor.SavePic());
    ASSERT_TRUE(editor.SavePic());
    ASSERT_TRUE(editor.SavePic());
    EXPECT_TRUE(test::readFile(png).startsWith("\x89PNG"));
    EXPECT_EQ(QImage(png, "PNG").size(), QSize(162, 233));
    EXPECT_TRUE(test::readFile(pdf).startsWith("%PDF"));
    // A name without an extension is a bitmap, the first type offered.
    EXPECT_TRUE(test::readFile(plain + ".bmp").startsWith("BM"));
    EXPECT_EQ(prompts.asked.last().text, "Ship Saved as " + plain + ".bmp");
    if (const std::optional<QString> info = test::pdfInfo(pdf)) {
        EXPECT_TRUE(info->contains(QRegularExpression("Pages:\\s+1\\n"))) << info->toStdString();
        EXPECT_TRUE(info->contains(QRegularExpression("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)")))
            << info->toStdString();
    }
    // A picture the program asks for by name is a bitmap whatever the name.
    ASSERT_TRUE(editor.SavePic(folder.path() + "/given.png"));
    EXPECT_TRUE(test::readFile(folder.path() + "/given.png").startsWith("BM"));
}

TEST_F(SavePictureTest, PictureSaveAndPrintRefuseADisplayThatNoLongerMatchesTheDesign)
{
    const QString outdated = "The System Display no longer matches the design.\r\n"
                             "Press UpDate Stats and Display Ship and place the systems again.";
    designVigilant();
    editor.setNameText("Vigilant");
    WeaponEntry beam;
    beam.Kind = "Needle Beam";
    beam.Arc[0] = true;
    editor.addWeapons({beam, beam});
    editor.UpdateShip(true);
    placeAllIcons(editor);
    ASSERT_TRUE(editor.composeSheet().has_value());

    // Removed without a full update: the first icon would still be drawn, the second is stale.
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    editor.chooseWeaponRow(0);
    ASSERT_TRUE(editor.display().allPlaced());
    prompts.clear();
    EXPECT_FALSE(editor.SavePic());
    EXPECT_FALSE(editor.composeSheet().has_value());
    EXPECT_TRUE(editor.SaveShip(true));
    EXPECT_EQ(prompts.texts(), QStringList({outdated, outdated, outdated}));
    EXPECT_TRUE(QDir(folder.ships() + "/Blue").entryList(QDir::Files).isEmpty());

    // Added without one: the new mount has no icon.
    editor.UpdateShip(true);
    placeAllIcons(editor);
    editor.addWeapons({beam});
    prompts.clear();
    EXPECT_FALSE(editor.SavePic());
    EXPECT_EQ(prompts.texts(), QStringList{outdated});
}
