#include "editor/shipeditor.h"

#include "editor/stepnames.h"

namespace kw {

// The hangar window stores every completed edit at once; the editor recalculates when that
// window closes, as after the Add Weapon dialog.
void ShipEditor::addHangarBay(int capacity)
{
    if (m_locked || capacity < 1)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::hangarBays);
    m_ship.Hangars.append(capacity);
    baysChanged();
}

void ShipEditor::changeHangarBay(int bay, int capacity)
{
    if (m_locked || capacity < 1 || bay < 0 || bay >= m_ship.HangarCount())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::hangarBays);
    m_ship.Hangars[bay] = capacity;
    baysChanged();
}

void ShipEditor::removeHangarBay(int bay)
{
    if (m_locked || bay < 0 || bay >= m_ship.HangarCount())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::hangarBays);
    m_ship.Hangars.removeAt(bay);
    baysChanged();
}

void ShipEditor::baysChanged()
{
    m_figures.hangarCount = QString::number(m_ship.HangarCount());
    m_shipChanged = true;
}

} // namespace kw
