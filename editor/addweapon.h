#pragma once

#include "model/weaponcosts.h"
#include "model/weaponentry.h"

#include <QList>
#include <QStringList>
#include <array>
#include <optional>

namespace kw {

// The arc pictures picArc1 to picArc6: picture N chooses N consecutive arcs. Pictures 1 to 5
// hold six images around a hexagon (image 1 at the top, then clockwise); picture 6 holds the
// one image that chooses every arc, numbered 1.
inline constexpr int kArcPictureCount = 6;
inline constexpr int kArcImageCount = 6;

struct ArcImage {
    int picture = 0;   // 1 to 6
    int image = 0;     // 1 to 6; always 1 in picture 6

    bool operator==(const ArcImage&) const = default;
};

// The number of images a picture holds.
int arcImagesIn(int picture);

// The arcs an image chooses, counted cyclically around arc i: picture 1 gives i; 2 gives
// i-1, i; 3 gives i-1..i+1; 4 gives i-2..i+1; 5 gives i-2..i+2; 6 every arc. Out of range: none.
std::array<bool, 6> arcsOfImage(ArcImage image);

// The parts of the dialog that are shown for the chosen kind and battery class.
struct AddWeaponLayout {
    bool battery = false;    // fraBattery
    bool salvo = false;      // fraSalvo
    bool missile = false;    // FraMissile
    bool capacity = false;   // fraCapacity
    bool mines = false;      // fraMines
    bool arcs = false;       // fraArcs
    std::array<bool, kArcPictureCount> arcPictures{};   // picArc1 to picArc6

    bool operator==(const AddWeaponLayout&) const = default;
};

// The Add Weapon dialog without its window: the kind being configured, its options, its arcs,
// the number to install, the figures it shows and the mounts it adds. A fresh object is the
// dialog as it loads: a class 1 beam battery covering every arc, one to install.
class AddWeapon {
public:
    static constexpr int kMinClass = 1, kMaxClass = 10;
    static constexpr int kMinMagazine = 2, kMaxMagazine = 30;
    static constexpr int kMinMines = 1, kMaxMines = 10;
    static constexpr int kMinNumber = 1, kMaxNumber = 20;

    AddWeapon();

    // cmbWeapon's entries, in order.
    static const QStringList& kinds() { return weaponKindEntries(); }

    int kindIndex() const { return m_kindIndex; }
    // The kind being configured, after the rewrites of the salvo launcher and magazine.
    const QString& WeaponKind() const { return m_weaponKind; }
    int ArcCount() const { return m_arcCount; }
    const std::array<bool, 6>& ArcChoice() const { return m_arcChoice; }
    int batteryClass() const { return m_batteryClass; }
    int salvoOption() const { return m_salvoOption; }       // optSalvo: 0 Standard, 1 ER
    int missileOption() const { return m_missileOption; }   // optMissile: 0 Standard, 1 EMP, 2 Needle
    int magazineMass() const { return m_magazineMass; }
    int mines() const { return m_mines; }
    int number() const { return m_number; }
    const AddWeaponLayout& layout() const { return m_layout; }
    // The image under shpArcSelect; none when the kind has no arcs.
    std::optional<ArcImage> selectedImage() const { return m_selected; }

    // User events. Values outside a control's range are held at its nearest end; an index
    // outside a list, or an image not shown, changes nothing.
    void chooseKind(int index);
    void setBatteryClass(int batteryClass);
    void chooseSalvo(int option);
    void chooseMissile(int option);
    void setMagazineMass(int mass);
    void setMines(int mines);
    void setNumber(int number);
    bool clickArcImage(ArcImage image);

    // lblMass/lblCost and lblMassTotal/lblCostTotal.
    WeaponFigures figuresForOne() const;
    WeaponFigures figuresForAll() const;

    // What "Add Selected Weapon" appends: number() identical mounts.
    QList<WeaponEntry> mounts() const;

private:
    kw::WeaponKind kind() const { return static_cast<kw::WeaponKind>(m_kindIndex); }
    WeaponOptions options() const;
    QString mountKind() const;
    QString mountDetails() const;
    void applyBatteryClass();
    void select(ArcImage image);

    int m_kindIndex = 0;
    QString m_weaponKind;
    int m_arcCount = 6;
    std::array<bool, 6> m_arcChoice{};
    int m_batteryClass = 1;
    int m_salvoOption = 0;
    int m_missileOption = 0;
    int m_magazineMass = kMinMagazine;
    int m_mines = kMinMines;
    int m_number = kMinNumber;
    AddWeaponLayout m_layout;
    std::optional<ArcImage> m_selected;
};

} // namespace kw
