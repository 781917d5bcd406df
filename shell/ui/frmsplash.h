#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace kw {

// The splash: the program's picture, its version and a credit line. It goes at the tick of its
// timer, or earlier at a click or a key; going, it reports itself once.
class FrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit FrmSplash(QWidget* parent = nullptr);

    // UnloadTimer fires once, after the given time.
    void armUnloadTimer(int milliseconds);
    QTimer* unloadTimer() const { return m_timer; }
    // Every way of dismissing the splash comes here; a click or a key counts only once the
    // timer is armed.
    void unload();
    bool armed() const { return m_armed; }

Q_SIGNALS:
    void unloaded();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void dismiss();

    QTimer* m_timer = nullptr;
    bool m_armed = false;
    bool m_unloaded = false;
};

} // namespace kw
