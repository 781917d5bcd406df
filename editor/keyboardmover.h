#pragma once

#include <QObject>
#include <QTimer>

namespace kw {

class ShipEditor;

// Moves the selected icons with the arrow keys: one pixel as soon as an arrow key goes down,
// then one more pixel on every tick of tmrMove_Sys_KB while the key is held. A burst, from the
// key going down to its coming up, is one step for undo.
class KeyboardMover : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 100;
    static constexpr int kBurstGraceMs = 250;

    explicit KeyboardMover(ShipEditor& editor, QObject* parent = nullptr);
    ~KeyboardMover() override;

    // A key went down or came up; returns whether the key moved the selection, so the window
    // can keep it from doing anything else.
    bool keyDown(int key);
    void keyUp(int key);
    // Stops moving, as when the window loses the keyboard and the key-up would never come.
    void stop();

    int MoveKey() const { return m_moveKey; }
    bool moving() const { return m_timer.isActive(); }
    const QTimer& timer() const { return m_timer; }

public Q_SLOTS:
    // One step of the timer.
    void tick();

private:
    static bool isArrow(int key);
    void endBurst();

    ShipEditor& m_editor;
    QTimer m_timer;
    QTimer m_burstEnd;
    int m_moveKey = -1;
    bool m_burst = false;
};

} // namespace kw
