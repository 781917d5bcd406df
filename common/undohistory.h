#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <utility>

namespace kw {

// The steps a window can take back and forward again. Each step is the whole state before (for
// undo) or after (for redo) one user action, with the action's name for the menu captions. A
// controller records the state from before an action once the action has changed something;
// undo hands back that state and keeps the current one for redo. At most `limit` steps are kept:
// the oldest goes first.
template <typename State>
class UndoHistory {
public:
    static constexpr std::size_t defaultLimit = 200;

    explicit UndoHistory(std::size_t limit = defaultLimit) : m_limit(limit < 1 ? 1 : limit) {}

    // A new action: `before` is the state it started from. Anything that could be redone is gone.
    void record(QString action, State before)
    {
        m_redo.clear();
        push(m_undo, Step {std::move(action), std::move(before)});
    }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The name of the action that undo or redo would take back or repeat; empty when there is none.
    QString undoAction() const { return m_undo.empty() ? QString() : m_undo.back().action; }
    QString redoAction() const { return m_redo.empty() ? QString() : m_redo.back().action; }
    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }

    // Takes the last action back: returns the state to restore and keeps `current` for redo.
    // Only call when canUndo().
    State undo(State current) { return swapStep(m_undo, m_redo, std::move(current)); }
    // Repeats the last action taken back. Only call when canRedo().
    State redo(State current) { return swapStep(m_redo, m_undo, std::move(current)); }

    void clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

private:
    struct Step {
        QString action;
        State state;
    };

    void push(std::deque<Step>& steps, Step step)
    {
        steps.push_back(std::move(step));
        while (steps.size() > m_limit)
            steps.pop_front();
    }

    State swapStep(std::deque<Step>& from, std::deque<Step>& to, State current)
    {
        Step step = std::move(from.back());
        from.pop_back();
        push(to, Step {step.action, std::move(current)});
        return std::move(step.state);
    }

    std::size_t m_limit;
    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
};

} // namespace kw
