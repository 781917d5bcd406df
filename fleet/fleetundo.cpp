// Undo and redo of the fleet's edits.
#include "fleet/fleetorganizer.h"

namespace kw {

void FleetOrganizer::markUnchanged()
{
    m_fleetChanged = false;
    m_savedFleet = m_fleet;
}

FleetState FleetOrganizer::stepStart() const
{
    FleetState start = m_fleet;
    // A card's strip is hidden only while the card is dragged.
    if (m_draggedCard != 0)
        start.cards[m_draggedCard - 1].stripVisible = true;
    return start;
}

void FleetOrganizer::recordStep(const QString& action, FleetState before)
{
    // Typing still going on ends where this step begins.
    commitTypingAt(before);
    m_history.record(action, std::move(before));
}

void FleetOrganizer::beginTyping(const QString& action, int card)
{
    if (m_typing && m_typing->action == action && m_typing->card == card)
        return;
    commitTyping();
    m_typing = Typing{action, card, stepStart()};
}

void FleetOrganizer::commitTyping()
{
    ChangeScope scope(*this);
    commitTypingAt(stepStart());
}

void FleetOrganizer::commitTypingAt(const FleetState& reached)
{
    if (!m_typing)
        return;
    Typing typing = std::move(*m_typing);
    m_typing.reset();
    // Text typed and taken back again is no step.
    if (typing.before != reached)
        m_history.record(typing.action, std::move(typing.before));
}

bool FleetOrganizer::typingChangedFleet() const
{
    return m_typing && m_typing->before != m_fleet;
}

QString FleetOrganizer::undoAction() const
{
    // Undo would first make what is being typed a step, and then take it back.
    if (typingChangedFleet())
        return m_typing->action;
    return m_history.undoAction();
}

QString FleetOrganizer::redoAction() const
{
    // Typing is a new step, after which nothing taken back can come again.
    if (typingChangedFleet())
        return QString();
    return m_history.redoAction();
}

void FleetOrganizer::Undo()
{
    takeStep(true);
}

void FleetOrganizer::Redo()
{
    takeStep(false);
}

void FleetOrganizer::takeStep(bool back)
{
    ChangeScope scope(*this);
    endDragElsewhere();
    commitTyping();
    if (!(back ? m_history.canUndo() : m_history.canRedo()))
        return;
    m_fleet = back ? m_history.undo(m_fleet) : m_history.redo(m_fleet);
    // The numbers of the cards may have changed under the selection and the description.
    m_selectedFleetEntry = -1;
    hideSelection();
    m_describedCard = 0;
    m_fleetChanged = m_fleet != m_savedFleet;
}

} // namespace kw
