#include "editor/shipeditor.h"

#include "common/changenotifier.h"

namespace kw {

EditorSnapshot ShipEditor::snapshot() const
{
    EditorSnapshot state;
    state.ship = m_ship;
    state.fields = m_fields;
    state.figures = m_figures;
    state.controls = m_controls;
    state.shipChanged = m_shipChanged;
    state.lastWarning = m_lastWarning;
    storeDisplay(m_display, state, m_iconFaces);
    // A remove or link under way is no part of the design: the state is the one its cancel
    // button would leave.
    if (state.ship.LinkBeingMade) {
        state.ship.LinkBeingMade.reset();
        state.controls.linkVisible = true;
    }
    state.controls.cancelLinkVisible = false;
    state.controls.cancelRemoveVisible = false;
    return state;
}

void ShipEditor::beginStep(const QString& action)
{
    if (m_stepDepth++ > 0)
        return;
    m_stepAction = action;
    m_stepEpoch = m_historyEpoch;
    // Typing not yet committed belongs to the step that ends it.
    if (m_typing) {
        m_stepBefore = std::move(m_typing->second);
        m_typing.reset();
    } else {
        m_stepBefore = snapshot();
    }
}

void ShipEditor::endStep()
{
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    ChangeScope scope(*this);
    std::optional<EditorSnapshot> before = std::move(m_stepBefore);
    m_stepBefore.reset();
    if (before && m_stepEpoch == m_historyEpoch && !sameDesign(*before, snapshot()))
        m_history.record(m_stepAction, std::move(*before));
}

void ShipEditor::noteTyping(const QString& action)
{
    if (!m_typing && m_stepDepth == 0)
        m_typing.emplace(action, snapshot());
}

void ShipEditor::clearHistory()
{
    m_history.clear();
    m_typing.reset();
    ++m_historyEpoch;
}

bool ShipEditor::undoAllowed() const
{
    return !m_locked && !m_busy && m_editMode == EditMode::Normal && m_stepDepth == 0;
}

void ShipEditor::undo()
{
    if (!undoAllowed())
        return;
    ChangeScope scope(*this);
    // Typing left uncommitted is the last step, so it is what undo takes back.
    if (m_typing) {
        auto [action, before] = std::move(*m_typing);
        m_typing.reset();
        if (!sameDesign(before, snapshot()))
            m_history.record(action, std::move(before));
    }
    if (m_history.canUndo())
        restore(m_history.undo(snapshot()));
}

void ShipEditor::redo()
{
    if (!undoAllowed() || !m_history.canRedo())
        return;
    ChangeScope scope(*this);
    m_typing.reset();
    restore(m_history.redo(snapshot()));
}

void ShipEditor::restore(EditorSnapshot state)
{
    // The design stays bound to the file it was last opened from or saved to.
    state.ship.FileName = m_ship.FileName;
    const int scroll = m_display.holdingScrollValue;
    const QString side = state.fields.sideText();
    const bool hadSide = state.fields.sideIndex >= 0;
    const QStringList sides = m_fields.sides;
    m_ship = std::move(state.ship);
    m_fields = std::move(state.fields);
    // The side names may have been edited since; the design keeps its side by name.
    m_fields.sides = sides;
    keepSide(side, hadSide);
    m_figures = std::move(state.figures);
    m_controls = std::move(state.controls);
    m_display = storedDisplay(state);
    m_display.holdingScrollValue = qBound(0, scroll, m_display.holdingScrollMax);
    m_shipChanged = state.shipChanged;
    m_lastWarning = std::move(state.lastWarning);
}

void ShipEditor::keepSide(const QString& side, bool hadSide)
{
    qsizetype at = m_fields.sides.indexOf(side);
    if (at < 0 && hadSide) {
        m_fields.sides.append(side);
        at = m_fields.sides.size() - 1;
    }
    m_fields.sideIndex = at >= 0 ? static_cast<int>(at) : (m_fields.sides.isEmpty() ? -1 : 0);
}

} // namespace kw
