#include "editor/shipeditor.h"

#include "editor/changescope.h"

namespace kw {

void ShipEditor::cancelLink()
{
    if (m_editMode != EditMode::Linking)
        return;
    ChangeScope scope(*this);
    if (m_ship.SalvoLinkCount > 0) {
        --m_ship.SalvoLinkCount;
        m_ship.SalvoLauncherIcon.resize(m_ship.SalvoLinkCount + 1);
        m_ship.SalvoMagazineIcon.resize(m_ship.SalvoLinkCount + 1);
    }
    m_editMode = EditMode::Normal;
    m_controls.cancelLinkVisible = false;
    m_controls.linkVisible = true;
}

} // namespace kw
