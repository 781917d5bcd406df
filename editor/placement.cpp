#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "display/placement.h"
#include "editor/stepnames.h"

namespace kw {

namespace {

bool validIcon(const DisplayModel& display, int icon)
{
    return icon >= 1 && icon <= display.iconCount();
}

} // namespace

bool ShipEditor::canDragIcons() const
{
    return m_editMode == EditMode::Normal && !m_locked;
}

bool ShipEditor::alignmentMenuAvailable() const
{
    return m_display.SelectedCount() >= 2 && m_editMode == EditMode::Normal;
}

void ShipEditor::clickIcon(int iconIndex, bool shift)
{
    if (!validIcon(m_display, iconIndex))
        return;
    // While linking, a click names a link end instead of selecting.
    if (m_editMode == EditMode::Linking) {
        chooseLinkEnd(iconIndex);
        return;
    }
    ChangeScope scope(*this);
    clickSelect(m_display, iconIndex, shift);
}

void ShipEditor::pressDisplayBackground()
{
    ChangeScope scope(*this);
    clearSelection(m_display);
}

void ShipEditor::finishBand(QPointF from, QPointF to, bool dragged)
{
    ChangeScope scope(*this);
    if (dragged)
        selectBand(m_display, from, to);
    else
        clearSelection(m_display);
}

// Moving icons marks the design as changed, so a hand-made layout is not dropped without the
// question about saving.
void ShipEditor::dropIconOnDisplay(int iconIndex, QPointF at, QPointF grab)
{
    if (!canDragIcons() || !validIcon(m_display, iconIndex))
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::moveIcons);
    dropOnDisplay(m_display, iconIndex, at, grab);
    m_shipChanged = true;
}

void ShipEditor::dropIconOnIcon(int iconIndex, int targetIndex, QPointF atInTarget, QPointF grab)
{
    if (!canDragIcons())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::moveIcons);
    if (dropOnIcon(m_display, iconIndex, targetIndex, atInTarget, grab))
        m_shipChanged = true;
}

void ShipEditor::dropIconInHoldingBox(int iconIndex, QPointF at, QPointF grab)
{
    if (!canDragIcons() || !validIcon(m_display, iconIndex))
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::moveIcons);
    dropInHoldingBox(m_display, iconIndex, at, grab);
    m_shipChanged = true;
}

void ShipEditor::nudgeSelection(int key)
{
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return;
    }
    if (m_display.SelectedCount() < 1)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::moveIcons);
    kw::nudgeSelection(m_display, dx, dy);
    m_shipChanged = true;
}

void ShipEditor::align(Alignment alignment)
{
    ChangeScope scope(*this);
    EditStep step(*this, StepName::alignIcons);
    if (m_display.SelectedCount() < 2) {
        m_prompts.tell(QStringLiteral("You must have more than 1 system selected"));
        return;
    }
    if (alignSelection(m_display, alignment))
        m_shipChanged = true;
}

void ShipEditor::scrollHoldingBox(int value)
{
    ChangeScope scope(*this);
    m_display.holdingScrollValue = qBound(0, value, m_display.holdingScrollMax);
}

} // namespace kw
