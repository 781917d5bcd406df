#include "common/ui/typedtext.h"

#include <QLineEdit>
#include <algorithm>

namespace kw {

void bindTypedText(QLineEdit* box, std::function<QString(const QString&)> take)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box, take = std::move(take)](const QString& typed) {
        const QString held = take(typed);
        if (held == typed)
            return;
        // The caret moves back by what was taken away.
        const qsizetype caret = box->cursorPosition() - (typed.size() - held.size());
        box->setText(held);
        box->setCursorPosition(static_cast<int>(std::clamp<qsizetype>(caret, 0, held.size())));
    });
}

} // namespace kw
