#include "editor/keyboardmover.h"

#include "editor/shipeditor.h"
#include "editor/stepnames.h"

namespace kw {

KeyboardMover::KeyboardMover(ShipEditor& editor, QObject* parent) : QObject(parent), m_editor(editor)
{
    m_timer.setObjectName(QStringLiteral("tmrMove_Sys_KB"));
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &KeyboardMover::tick);
    m_burstEnd.setSingleShot(true);
    m_burstEnd.setInterval(kBurstGraceMs);
    connect(&m_burstEnd, &QTimer::timeout, this, &KeyboardMover::endBurst);
}

KeyboardMover::~KeyboardMover()
{
    endBurst();
}

bool KeyboardMover::isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool KeyboardMover::keyDown(int key)
{
    if (!m_editor.display().SelectionActive) {
        endBurst();
        return false;
    }
    m_moveKey = key;
    // Any other key ends a move that is running.
    if (!isArrow(key)) {
        m_timer.stop();
        endBurst();
        return false;
    }
    m_burstEnd.stop();
    if (!m_burst) {
        m_burst = true;
        m_editor.beginStep(StepName::moveIcons);
    }
    tick();
    // A repeated key-down of the held key moves once more but keeps the timer's rhythm.
    if (!m_timer.isActive())
        m_timer.start();
    return true;
}

void KeyboardMover::keyUp(int /*key*/)
{
    // A burst ends with its key even when the selection went meanwhile.
    if (!m_editor.display().SelectionActive) {
        endBurst();
        return;
    }
    m_moveKey = -1;
    m_timer.stop();
    // Some systems report a held key as releases and presses; the burst waits a moment for
    // the next press before it becomes a step.
    if (m_burst)
        m_burstEnd.start();
}

void KeyboardMover::stop()
{
    m_moveKey = -1;
    m_timer.stop();
    endBurst();
}

void KeyboardMover::endBurst()
{
    m_burstEnd.stop();
    if (!m_burst)
        return;
    m_burst = false;
    m_editor.endStep();
}

void KeyboardMover::tick()
{
    if (m_editor.display().SelectedCount() < 1 || !isArrow(m_moveKey)) {
        m_timer.stop();
        return;
    }
    m_editor.nudgeSelection(m_moveKey);
}

} // namespace kw
