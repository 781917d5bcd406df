#pragma once

#include <QWidget>

class QToolButton;

namespace kw {

// The small up-down arrows beside a number field: each click steps the field's value by one
// within the range and reports the new value.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(const QString& objectName, int minimum, int maximum, QWidget* parent = nullptr);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    // The value the arrows step from (the buddy field's number).
    void setValue(int value) { m_value = value; }
    int value() const { return m_value; }
    void stepBy(int steps);

Q_SIGNALS:
    void valueChanged(int value);

private:
    int m_min;
    int m_max;
    int m_value = 0;
};

} // namespace kw
