#include "common/ui/typedtext.h"

#include <QLineEdit>
#include <algorithm>

namespace kw {

void bindTypedText(QLineEdit* box, std::function<QString(const QString&)> take)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box, take = std::move(take)](const QString& typed) {
        // Taken first: the window may show the controller's text in the box meanwhile, which
        // puts the caret at its end.
        const int typedCaret = box->cursorPosition();
        const QString held = take(typed);
        // A refusal moves the caret back by what was taken away.
        const qsizetype caret = std::clamp<qsizetype>(typedCaret - (typed.size() - held.size()), 0, held.size());
        if (box->text() != held)
            box->setText(held);
        if (box->cursorPosition() != caret)
            box->setCursorPosition(static_cast<int>(caret));
    });
}

} // namespace kw
