#include "editor/shipeditor.h"

#include "editor/changescope.h"

namespace kw {

void ShipEditor::hangarsEdited()
{
    ChangeScope scope(*this);
    m_figures.hangarCount = QString::number(m_ship.HangarCount());
    UpdateShip(false);
}

} // namespace kw
