#include "editor/addweapon.h"

namespace kw {

namespace {

// Arc a (1-based) counted cyclically in 1 to 6, as an index 0 to 5.
int arcIndex(int arc)
{
    return ((arc - 1) % 6 + 6) % 6;
}

} // namespace

int arcImagesIn(int picture)
{
    if (picture < 1 || picture > kArcPictureCount)
        return 0;
    return picture == kArcPictureCount ? 1 : kArcImageCount;
}

std::array<bool, 6> arcsOfImage(ArcImage image)
{
    std::array<bool, 6> arcs{};
    if (image.image < 1 || image.image > arcImagesIn(image.picture))
        return arcs;
    if (image.picture == kArcPictureCount) {
        arcs.fill(true);
        return arcs;
    }
    // Wider ranges reach one more arc back before they reach one more forward.
    const int first = image.image - image.picture / 2;
    for (int k = 0; k < image.picture; ++k)
        arcs[arcIndex(first + k)] = true;
    return arcs;
}

AddWeapon::AddWeapon()
{
    chooseKind(static_cast<int>(kw::WeaponKind::BeamBattery));
}

void AddWeapon::chooseKind(int index)
{
    if (index < 0 || index >= kWeaponKindCount)
        return;
    m_kindIndex = index;
    m_weaponKind = weaponKindText(kind());
    m_layout = AddWeaponLayout{};
    m_arcChoice = {};
    m_selected.reset();

    using K = kw::WeaponKind;
    switch (kind()) {
    case K::BeamBattery:
        m_layout.battery = true;
        m_layout.arcs = true;
        m_batteryClass = kMinClass;
        applyBatteryClass();
        break;
    case K::NeedleBeam:
        m_layout.arcs = true;
        m_layout.arcPictures[0] = true;
        select({1, 1});
        break;
    case K::PulseTorpedoTube:
        m_layout.arcs = true;
        m_layout.arcPictures[0] = m_layout.arcPictures[1] = m_layout.arcPictures[2] = true;
        select({1, 1});
        break;
    case K::SalvoMissileRack:
        m_layout.arcs = true;
        m_layout.arcPictures[2] = true;
        m_layout.salvo = true;
        m_salvoOption = 0;
        select({3, 1});
        break;
    case K::SalvoLauncher:
        m_layout.arcs = true;
        m_layout.arcPictures[2] = true;
        select({3, 1});
        break;
    case K::SalvoMagazine:
        m_layout.capacity = true;
        m_magazineMass = kMinMagazine;
        break;
    case K::Missile:
        m_layout.missile = true;
        m_missileOption = 0;
        break;
    case K::MineLayer:
        m_layout.mines = true;
        m_mines = kMinMines;
        break;
    case K::SubmunitionsPack:   // no options and no arcs
    case K::OrtillerySystem:
        break;
    }
}

void AddWeapon::applyBatteryClass()
{
    m_layout.arcPictures = {};
    if (m_batteryClass == 1) {
        m_layout.arcPictures[5] = true;
        select({6, 1});
    } else if (m_batteryClass == 2) {
        m_layout.arcPictures[2] = m_layout.arcPictures[5] = true;
        select({3, 1});
    } else {
        m_layout.arcPictures.fill(true);
        select({1, 1});
    }
}

void AddWeapon::setBatteryClass(int batteryClass)
{
    // The class control lives on the battery's own frame; other kinds cannot reach it.
    batteryClass = qBound(kMinClass, batteryClass, kMaxClass);
    if (!m_layout.battery || batteryClass == m_batteryClass)
        return;
    m_batteryClass = batteryClass;
    applyBatteryClass();
}

void AddWeapon::chooseSalvo(int option)
{
    if (option == 0 || option == 1)
        m_salvoOption = option;
}

void AddWeapon::chooseMissile(int option)
{
    if (option >= 0 && option <= 2)
        m_missileOption = option;
}

void AddWeapon::setMagazineMass(int mass)
{
    m_magazineMass = qBound(kMinMagazine, mass, kMaxMagazine);
}

void AddWeapon::setMines(int mines)
{
    m_mines = qBound(kMinMines, mines, kMaxMines);
}

void AddWeapon::setNumber(int number)
{
    m_number = qBound(kMinNumber, number, kMaxNumber);
}

bool AddWeapon::clickArcImage(ArcImage image)
{
    if (!m_layout.arcs || image.picture < 1 || image.picture > kArcPictureCount
        || !m_layout.arcPictures[image.picture - 1] || image.image < 1 || image.image > arcImagesIn(image.picture))
        return false;
    select(image);
    return true;
}

void AddWeapon::select(ArcImage image)
{
    m_arcCount = image.picture;
    m_arcChoice = arcsOfImage(image);
    m_selected = image;
}

WeaponOptions AddWeapon::options() const
{
    WeaponOptions o;
    o.batteryClass = m_batteryClass;
    o.arcCount = m_arcCount;
    o.salvoER = m_salvoOption == 1;
    o.magazineMass = m_magazineMass;
    o.mines = m_mines;
    return o;
}

WeaponFigures AddWeapon::figuresForOne() const
{
    return weaponMassAndCost(kind(), options());
}

WeaponFigures AddWeapon::figuresForAll() const
{
    const WeaponFigures one = figuresForOne();
    return {one.mass * m_number, one.cost * m_number};
}

QString AddWeapon::mountKind() const
{
    if (kind() == kw::WeaponKind::BeamBattery)
        return batteryKind(m_batteryClass);
    return m_weaponKind;
}

QString AddWeapon::mountDetails() const
{
    switch (kind()) {
    case kw::WeaponKind::SalvoMissileRack:
        return m_salvoOption == 1 ? kExtendedRangeDetails : kStandardDetails;
    case kw::WeaponKind::SalvoMagazine:
        return QString::number(m_magazineMass);
    case kw::WeaponKind::Missile:
        return m_missileOption == 0 ? kStandardDetails : (m_missileOption == 1 ? kEmpDetails : kNeedleDetails);
    case kw::WeaponKind::MineLayer:
        return QString::number(m_mines);
    default:
        return {};
    }
}

QList<WeaponEntry> AddWeapon::mounts() const
{
    WeaponEntry mount;
    mount.Kind = mountKind();
    mount.Arc = m_arcChoice;
    mount.Reserved = 0;
    const WeaponFigures one = figuresForOne();
    mount.Mass = one.mass;
    mount.Cost = one.cost;
    mount.Details = mountDetails();
    return QList<WeaponEntry>(m_number, mount);
}

} // namespace kw
