#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenuBar;

namespace kw {

// A window's "&Edit" menu with "&Undo" (Ctrl+Z) and "&Redo" (Ctrl+Y, Ctrl+Shift+Z). The window
// passes what its controller can take back or repeat; the captions name the action
// ("&Undo Move Icons") and plain "&Undo" / "&Redo" are shown, disabled, when there is nothing.
class EditMenu : public QObject {
    Q_OBJECT

public:
    // Appends the menu to the bar; call it between adding File and Tools.
    explicit EditMenu(QMenuBar* bar);

    QAction* undoItem() const { return m_undo; }
    QAction* redoItem() const { return m_redo; }

    // Empty action names mean there is nothing to undo or redo; `allowed` false disables both
    // (locked designs, a running search, a mode that owns the mouse).
    void show(const QString& undoAction, const QString& redoAction, bool allowed = true);

Q_SIGNALS:
    void undoChosen();
    void redoChosen();

private:
    QAction* m_undo;
    QAction* m_redo;
};

} // namespace kw
