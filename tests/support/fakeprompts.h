#pragma once

#include "common/userprompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace kw::test {

// Records every question and message and answers from a script. An unscripted question gets
// the first button's answer (OK, Yes); an unscripted file dialog is cancelled.
class FakePrompts : public UserPrompts {
public:
    PromptAnswer ask(const PromptMessage& message) override
    {
        asked.append(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return message.buttons == PromptButtons::Ok || message.buttons == PromptButtons::OkCancel ? PromptAnswer::Ok
                                                                                                  : PromptAnswer::Yes;
    }
    std::optional<QString> openFileName(const FileDialogRequest& request) override
    {
        dialogs.append(request);
        return files.isEmpty() ? std::nullopt : std::optional<QString>(files.takeFirst());
    }
    std::optional<QString> saveFileName(const FileDialogRequest& request) override
    {
        dialogs.append(request);
        return files.isEmpty() ? std::nullopt : std::optional<QString>(files.takeFirst());
    }

    QStringList texts() const
    {
        QStringList list;
        for (const PromptMessage& m : asked)
            list << m.text;
        return list;
    }
    QString lastText() const { return asked.isEmpty() ? QString() : asked.last().text; }
    void clear()
    {
        asked.clear();
        dialogs.clear();
    }

    QList<PromptMessage> asked;
    QList<FileDialogRequest> dialogs;
    QList<PromptAnswer> answers;   // taken from the front
    QList<QString> files;
};

} // namespace kw::test
