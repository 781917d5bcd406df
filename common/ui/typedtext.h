#pragma once

#include <QString>
#include <functional>

class QLineEdit;

namespace kw {

// Hands every change the user types into the box to `take`, which returns the text the box
// then holds (a controller's rule may refuse or trim what was typed). A refused keystroke
// leaves the text as it was and the caret where it stood.
void bindTypedText(QLineEdit* box, std::function<QString(const QString&)> take);

} // namespace kw
