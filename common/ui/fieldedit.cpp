#include "common/ui/fieldedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace kw {

FieldEdit::FieldEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
}

void FieldEdit::showText(const QString& text)
{
    if (this->text() != text)
        setText(text);
}

bool FieldEdit::event(QEvent* event)
{
    // Not claimed here, the keys reach the window's shortcuts first; where none takes them,
    // they come back as a key press and the field undoes its own typing.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void FieldEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Selected after the click that gave the focus has placed the caret.
    if (!text().isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectAll();
        });
}

void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move to another control of this window leaves the field; switching windows and
    // the check's own message box do not.
    const Qt::FocusReason reason = event->reason();
    if (!m_check || m_checking || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    m_checking = true;
    const bool accepted = m_check();
    m_checking = false;
    if (!accepted) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
}

} // namespace kw
