#pragma once

#include <QPushButton>

namespace kw {

// A push button that carries its control name, so tests and the rest of the window find it.
inline QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace kw
