#pragma once

#include "editor/addweapon.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kw {

class ShipEditor;
class UpDown;

// The modal Add Weapon dialog: a view over one AddWeapon, loaded fresh each time it is made.
// "Add Selected Weapon" hands the mounts to the editor and accepts; "Cancel" rejects. The
// caller recalculates the design afterwards.
class FrmAddWeap : public QDialog {
    Q_OBJECT

public:
    explicit FrmAddWeap(ShipEditor& editor, QWidget* parent = nullptr);

    const AddWeapon& state() const { return m_state; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildKindArea();
    QWidget* buildOptionFrames();
    QGroupBox* buildArcFrame();
    QGroupBox* buildCostFrame();
    QWidget* buildNumberRow();
    QWidget* buildArcPicture(int picture);
    UpDown* upDown(const char* name, int minimum, int maximum, QWidget* parent, void (AddWeapon::*apply)(int));
    void cmdAdd_Click();
    void refresh();
    void placeSelectionFrame();

    ShipEditor& m_editor;
    AddWeapon m_state;

    QComboBox* m_cmbWeapon = nullptr;
    QGroupBox* m_fraBattery = nullptr;
    QGroupBox* m_fraSalvo = nullptr;
    QGroupBox* m_fraMissile = nullptr;
    QGroupBox* m_fraCapacity = nullptr;
    QGroupBox* m_fraMines = nullptr;
    QGroupBox* m_fraArcs = nullptr;
    QLabel* m_lblClass = nullptr;
    QLabel* m_lblCap = nullptr;
    QLabel* m_lblMines = nullptr;
    QLabel* m_lblNumber = nullptr;
    UpDown* m_udcClass = nullptr;
    UpDown* m_udcSMag = nullptr;
    UpDown* m_udcMines = nullptr;
    UpDown* m_udcNumber = nullptr;
    QList<QRadioButton*> m_optSalvo;
    QList<QRadioButton*> m_optMissile;
    QList<QWidget*> m_picArc;                   // picArc1 to picArc6
    QHash<QObject*, ArcImage> m_arcImages;      // every clickable image
    std::array<std::array<QLabel*, kArcImageCount>, kArcPictureCount> m_imageOf{};
    QFrame* m_shpArcSelect = nullptr;
    QLabel* m_lblMass = nullptr;
    QLabel* m_lblCost = nullptr;
    QLabel* m_lblMassTotal = nullptr;
    QLabel* m_lblCostTotal = nullptr;
};

} // namespace kw
