#pragma once

#include <QObject>

class QWidget;

namespace kw {

// The size rule of the two main windows: on a screen of exactly 800 x 600 the window is kept
// maximised, on a larger one it is never maximised; a minimised window is left alone.
class ScreenSizeRule : public QObject {
    Q_OBJECT

public:
    explicit ScreenSizeRule(QWidget* window);

    void setSmallScreen(bool small);
    bool smallScreen() const { return m_small; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QWidget* m_window;
    bool m_small = false;
};

} // namespace kw
