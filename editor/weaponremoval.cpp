#include "editor/shipeditor.h"

#include "editor/changescope.h"

namespace kw {

void ShipEditor::cancelRemoveWeapon()
{
    ChangeScope scope(*this);
    m_controls.cancelRemoveVisible = false;
    if (m_editMode == EditMode::Removing)
        m_editMode = EditMode::Normal;
}

} // namespace kw
