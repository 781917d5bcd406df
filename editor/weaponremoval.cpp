#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "editor/stepnames.h"
#include "editor/weaponlist.h"

namespace kw {

QList<WeaponListRow> ShipEditor::weaponListRows() const
{
    return groupWeaponRows(m_ship.Weapons);
}

void ShipEditor::addWeapons(const QList<WeaponEntry>& mounts)
{
    // The dialog is only reachable while the design is unlocked; a locked design keeps its mounts.
    if (m_locked || mounts.isEmpty())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::addWeapon);
    // A new mount has no icon until the next full update.
    for (WeaponEntry mount : mounts) {
        mount.Number = -1;
        m_ship.Weapons.append(mount);
    }
}

void ShipEditor::beginRemoveWeapon()
{
    if (m_locked || m_ship.Weapons.isEmpty() || m_editMode != EditMode::Normal)
        return;
    ChangeScope scope(*this);
    Q_EMIT weaponsTabRequested();
    m_prompts.tell(QStringLiteral("Select Weapon by clicking on its name"));
    m_editMode = EditMode::Removing;
    m_controls.cancelRemoveVisible = true;
}

void ShipEditor::chooseWeaponRow(int row)
{
    // The design may have been locked from the Tools menu while a removal was pending; a locked
    // design is not edited, and its recalculation would not run to show the loss.
    if (m_editMode != EditMode::Removing || m_locked)
        return;
    const QList<WeaponListRow> rows = weaponListRows();
    if (row < 0 || row >= rows.size())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::removeWeapon);
    const WeaponListRow chosen = rows[row];
    const PromptAnswer answer = m_prompts.ask({QStringLiteral("Are you sure you want to remove the ") + chosen.kind
                                                   + QLatin1Char('?'),
                                               kAppTitle, PromptButtons::YesNo, PromptIcon::None});
    if (answer != PromptAnswer::Yes) {
        cancelRemoveWeapon();
        return;
    }
    const int mount = firstMountOfRow(m_ship.Weapons, chosen);
    if (mount >= 0)
        m_ship.Weapons.removeAt(mount);
    m_editMode = EditMode::Normal;
    UpdateShip(false);
    m_controls.cancelRemoveVisible = false;
}

void ShipEditor::cancelRemoveWeapon()
{
    ChangeScope scope(*this);
    m_controls.cancelRemoveVisible = false;
    if (m_editMode == EditMode::Removing)
        m_editMode = EditMode::Normal;
}

} // namespace kw
