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

// The figures themselves are the controller's; here only that each control reaches it and shows it.
TEST_F(WeaponWidgets, TheDialogsNamedControlsReachTheChoiceAndAddFillsTheList)
{
    designVigilant();
    WeaponListView list(editor);
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
    dialog.show();
    EXPECT_EQ(text(dialog, "lblMassTotal") + "/" + text(dialog, "lblCostTotal"), "1/3");
    EXPECT_TRUE(child(dialog, "picArc6")->isVisible());
    EXPECT_FALSE(child(dialog, "picArc1")->isVisible());

    dialog.findChild<QComboBox*>("cmbWeapon")->setCurrentIndex(2);   // "Pulse Torpedo Tube"
    EXPECT_FALSE(child(dialog, "fraBattery")->isVisible());
    EXPECT_TRUE(child(dialog, "picArc3")->isVisible());
    EXPECT_FALSE(child(dialog, "picArc4")->isVisible());

    QWidget* image = child(dialog, "ImgArc3_2");
    click(image);
    EXPECT_EQ(text(dialog, "lblMass") + "/" + text(dialog, "lblCost"), "6/18");
    QWidget* frame = child(dialog, "shpArcSelect");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->parentWidget(), child(dialog, "picArc3"));
    EXPECT_TRUE(frame->geometry().contains(image->geometry()));

    const QList<QToolButton*> arrows = child(dialog, "udcNumber")->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    click(arrows[0]);
    EXPECT_EQ(text(dialog, "lblNumber") + "/" + text(dialog, "lblMassTotal") + "/" + text(dialog, "lblCostTotal"), "2/12/36");

    click(dialog.findChild<QPushButton*>("cmdAdd"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(editor.ship().WeaponCount(), 2);
    QStringList row;
    for (const char* name : {"lblNum_0", "lblWeapon_0", "lblArcs_0", "tmfWeap_0", "npvWeap_0", "lblDetails_0"})
        row << text(list, name);
    EXPECT_EQ(row, (QStringList{"2", "Pulse Torpedo Tube", "1,2,3", "6", "18", ""}));

    // A click on the row's name reaches the remove mode; an emptied row is hidden.
    for (const char* left : {"1", ""}) {
        editor.beginRemoveWeapon();
        prompts.answers = {PromptAnswer::Yes};
        click(child(list, "lblWeapon_0"));
        EXPECT_EQ(text(list, "lblNum_0"), left);
    }
    EXPECT_EQ(editor.ship().WeaponCount(), 0);
    EXPECT_FALSE(child(list, "lblNum_0")->isVisibleTo(&list));

    FrmAddWeap cancelled(editor);
    cancelled.show();
    click(cancelled.findChild<QPushButton*>("cmdCancel"));
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(editor.ship().WeaponCount(), 0);
}

// The scroll range itself is the weapon list's; here the bar, the canvas and the labels in view.
TEST_F(WeaponWidgets, TheListScrollsRowByRowAndMakesLabelsOnlyForTheRowsInView)
{
    WeaponListView list(editor);
    auto* bar = list.findChild<QScrollBar*>("vslWeapons");
    QWidget* canvas = child(list, "picWeapList");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(canvas, nullptr);
    QList<WeaponEntry> mounts(1000);
    for (int i = 0; i < 1000; ++i) {
        mounts[i].Kind = QStringLiteral("Missile");
        mounts[i].Details = QString::number(i);
    }
    editor.addWeapons(mounts.first(16));
    EXPECT_EQ(bar->maximum(), 0);
    editor.addWeapons(mounts.mid(16, 1));
    EXPECT_EQ(bar->maximum(), 1);
    const int step = child(list, "lblWeapon_1")->y() - child(list, "lblWeapon_0")->y();
    bar->setValue(1);
    EXPECT_EQ(canvas->y(), -step);
    EXPECT_EQ(canvas->height(), child(list, "picWeapCont")->height() - 4 + step);
    // A change elsewhere in the design keeps the place in the list.
    type(NumericField::TMF, "60");
    EXPECT_EQ(bar->value(), 1);

    editor.addWeapons(mounts.mid(17));
    EXPECT_LE(list.findChildren<QLabel*>(QRegularExpression("^lblWeapon_")).size(), 17);
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
