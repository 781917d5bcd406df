#pragma once

#include <QLineEdit>
#include <functional>

namespace kw {

// A text field as the editor's fields behave: its whole text is selected when it gets the
// focus, and leaving it runs its check; a refused check keeps the focus in the field with the
// text selected. The undo and redo keys belong to the window's Edit menu when it has one.
class FieldEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit FieldEdit(const QString& objectName, QWidget* parent = nullptr);

    // Returns false when the field refuses to let the focus go.
    void setLeaveCheck(std::function<bool()> check) { m_check = std::move(check); }
    // Replaces the text without disturbing the caret when nothing changed.
    void showText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::function<bool()> m_check;
    bool m_checking = false;
};

} // namespace kw
