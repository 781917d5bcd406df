#include "editor/ui/frmaddweap.h"
#include "editor/ui/weaponlistview.h"
#include "tests/editor/editorfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace kw;
using namespace kw::test;

namespace {

QString text(const QWidget& parent, const char* name)
{
    const auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QWidget* child(const QWidget& parent, const QString& name)
{
    return parent.findChild<QWidget*>(name);
}

} // namespace

class WeaponWidgets : public EditorTest {};

TEST_F(WeaponWidgets, TheDialogHasEveryNamedControl)
{
    FrmAddWeap dialog(editor);
    EXPECT_EQ(dialog.windowTitle(), "Add Weapon");
    QStringList names{"cmbWeapon", "fraBattery", "udcClass", "lblClass", "fraSalvo", "optSalvo_0", "optSalvo_1",
                      "FraMissile", "optMissile_0", "optMissile_1", "optMissile_2", "fraCapacity", "udcSMag", "lblCap",
                      "fraMines", "udcMines", "lblMines", "fraArcs", "shpArcSelect", "udcNumber", "lblNumber",
                      "fraCosts", "cmdCalc", "lblMass", "lblCost", "lblMassTotal", "lblCostTotal", "cmdAdd",
                      "cmdCancel", "ImgArcAll"};
    for (int picture = 1; picture <= 6; ++picture)
        names << QStringLiteral("picArc%1").arg(picture);
    for (int picture = 1; picture <= 5; ++picture) {
        for (int image = 1; image <= 6; ++image)
            names << QStringLiteral("ImgArc%1_%2").arg(picture).arg(image);
    }
    for (const QString& name : names)
        EXPECT_NE(child(dialog, name), nullptr) << name.toStdString();

    auto* kinds = dialog.findChild<QComboBox*>("cmbWeapon");
    ASSERT_NE(kinds, nullptr);
    ASSERT_EQ(kinds->count(), 10);
    EXPECT_EQ(kinds->itemText(6), "Salvo Missile Magazine");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdAdd")->text(), "Add Selected Weapon");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("fraArcs")->title(), "Select an arc range:");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("optMissile_2")->text(), "Needle");
}

TEST_F(WeaponWidgets, AddingThroughTheDialogFillsTheListAndARowClickRemoves)
{
    designVigilant();
    WeaponListView list(editor);
    FrmAddWeap dialog(editor);
    dialog.show();

    EXPECT_EQ(text(dialog, "lblClass"), "1");
    EXPECT_EQ(text(dialog, "lblMass"), "1");
    EXPECT_EQ(text(dialog, "lblCost"), "3");
    EXPECT_EQ(text(dialog, "lblNumber"), "1");
    EXPECT_EQ(text(dialog, "lblMassTotal"), "1");
    EXPECT_EQ(text(dialog, "lblCostTotal"), "3");
    EXPECT_TRUE(child(dialog, "picArc6")->isVisible());
    EXPECT_FALSE(child(dialog, "picArc1")->isVisible());

    dialog.findChild<QComboBox*>("cmbWeapon")->setCurrentIndex(2);   // "Pulse Torpedo Tube"
    EXPECT_FALSE(child(dialog, "fraBattery")->isVisible());
    EXPECT_TRUE(child(dialog, "picArc3")->isVisible());
    EXPECT_FALSE(child(dialog, "picArc4")->isVisible());
    EXPECT_EQ(text(dialog, "lblMass"), "4");

    QWidget* image = child(dialog, "ImgArc3_2");
    click(image);
    EXPECT_EQ(text(dialog, "lblMass"), "6");
    EXPECT_EQ(text(dialog, "lblCost"), "18");
    QWidget* frame = child(dialog, "shpArcSelect");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->parentWidget(), child(dialog, "picArc3"));
    EXPECT_TRUE(frame->geometry().contains(image->geometry()));

    const QList<QToolButton*> arrows = child(dialog, "udcNumber")->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    click(arrows[0]);
    EXPECT_EQ(text(dialog, "lblNumber"), "2");
    EXPECT_EQ(text(dialog, "lblMassTotal"), "12");
    EXPECT_EQ(text(dialog, "lblCostTotal"), "36");

    click(dialog.findChild<QPushButton*>("cmdAdd"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(editor.ship().WeaponCount(), 2);
    EXPECT_EQ(text(list, "lblNum_0"), "2");
    EXPECT_EQ(text(list, "lblWeapon_0"), "Pulse Torpedo Tube");
    EXPECT_EQ(text(list, "lblArcs_0"), "1,2,3");
    EXPECT_EQ(text(list, "tmfWeap_0"), "6");
    EXPECT_EQ(text(list, "npvWeap_0"), "18");
    EXPECT_EQ(text(list, "lblDetails_0"), "");

    // Removing: a row loses one mount per confirmed click and goes with its last one.
    WeaponEntry needle;
    needle.Kind = QStringLiteral("Needle Beam");
    editor.addWeapons({needle});
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    click(child(list, "lblWeapon_1"));
    EXPECT_EQ(child(list, "lblWeapon_1"), nullptr);
    EXPECT_EQ(editor.ship().WeaponCount(), 2);

    editor.beginRemoveWeapon();
    prompts.clear();
    prompts.answers = {PromptAnswer::Yes};
    click(child(list, "lblWeapon_0"));
    EXPECT_EQ(prompts.texts(), QStringList{"Are you sure you want to remove the Pulse Torpedo Tube?"});
    EXPECT_EQ(text(list, "lblNum_0"), "1");
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    click(child(list, "lblWeapon_0"));
    EXPECT_EQ(editor.ship().WeaponCount(), 0);
    EXPECT_EQ(text(list, "lblWeapon_0"), "");
    EXPECT_FALSE(child(list, "lblNum_0")->isVisibleTo(&list));

    // Clicks outside the remove mode reach the editor but change nothing.
    prompts.clear();
    click(child(list, "lblWeapon_0"));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(WeaponWidgets, CancelAddsNothing)
{
    FrmAddWeap dialog(editor);
    dialog.show();
    click(dialog.findChild<QPushButton*>("cmdCancel"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(editor.ship().WeaponCount(), 0);
}

TEST_F(WeaponWidgets, TheListScrollsRowByRowPastSixteenRows)
{
    WeaponListView list(editor);
    auto* bar = list.findChild<QScrollBar*>("vslWeapons");
    QWidget* canvas = child(list, "picWeapList");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(canvas, nullptr);

    QList<WeaponEntry> mounts;
    for (int i = 0; i < 16; ++i) {
        WeaponEntry w;
        w.Kind = QStringLiteral("Class %1 Battery").arg(i + 1);
        mounts << w;
    }
    editor.addWeapons(mounts);
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_NE(child(list, "lblWeapon_15"), nullptr);

    WeaponEntry last;
    last.Kind = QStringLiteral("Needle Beam");
    editor.addWeapons({last});
    EXPECT_EQ(bar->maximum(), 1);
    EXPECT_EQ(text(list, "lblWeapon_16"), "Needle Beam");
    const int step = child(list, "lblWeapon_1")->y() - child(list, "lblWeapon_0")->y();
    bar->setValue(1);
    EXPECT_EQ(canvas->y(), -step);
    EXPECT_EQ(canvas->height(), child(list, "picWeapCont")->height() - 4 + step);

    // A change elsewhere in the design keeps the rows and the place in the list.
    type(NumericField::TMF, "60");
    EXPECT_EQ(bar->value(), 1);
}

TEST_F(WeaponWidgets, AThousandDifferentMountsMakeLabelsOnlyForTheRowsInView)
{
    WeaponListView list(editor);
    QList<WeaponEntry> mounts;
    for (int i = 0; i < 1000; ++i) {
        WeaponEntry w;
        w.Kind = QStringLiteral("Missile");
        w.Details = QString::number(i);
        mounts << w;
    }
    editor.addWeapons(mounts);
    EXPECT_LE(list.findChildren<QLabel*>(QRegularExpression("^lblWeapon_")).size(), 17);
    auto* bar = list.findChild<QScrollBar*>("vslWeapons");
    bar->setValue(bar->maximum());
    EXPECT_EQ(text(list, "lblDetails_999"), "999");
    EXPECT_EQ(child(list, "lblDetails_0"), nullptr);
    // A click on a row in view reaches that row.
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    click(child(list, "lblWeapon_990"));
    EXPECT_EQ(editor.ship().WeaponCount(), 999);
    EXPECT_EQ(editor.ship().Weapons[990].Details, "991");
}
