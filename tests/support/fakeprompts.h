#pragma once

#include "common/userprompts.h"
#include "tests/support/qtprinting.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

namespace kw::test {

// Records every message and answers questions from a script. A plain message (an OK box) needs
// no answer. A question or file dialog that nobody scripted fails the test, and so does an
// answer that is not one of the question's buttons; script answers and files only for what the
// test really expects, since whatever is left unused when the test ends fails it too.
class FakePrompts : public UserPrompts {
public:
    ~FakePrompts() override
    {
        for (PromptAnswer answer : answers)
            ADD_FAILURE() << "A scripted answer was never asked for: " << name(answer);
        for (const std::optional<QString>& file : files)
            ADD_FAILURE() << "A scripted file dialog never came: "
                          << file.value_or(QStringLiteral("(cancel)")).toStdString();
    }

    PromptAnswer ask(const PromptMessage& message) override
    {
        asked.append(message);
        if (message.buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        if (answers.isEmpty()) {
            ADD_FAILURE() << "Nobody scripted an answer to: " << message.text.toStdString();
            return message.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
        }
        const PromptAnswer answer = answers.takeFirst();
        if (!offers(message.buttons, answer))
            ADD_FAILURE() << "The scripted " << name(answer) << " is no button of: " << message.text.toStdString();
        return answer;
    }
    std::optional<QString> openFileName(const FileDialogRequest& request) override { return fileDialog(request); }
    std::optional<QString> saveFileName(const FileDialogRequest& request) override { return fileDialog(request); }

    QStringList texts() const
    {
        QStringList list;
        for (const PromptMessage& m : asked)
            list << m.text;
        return list;
    }
    QString lastText() const { return asked.isEmpty() ? QString() : asked.last().text; }
    // Forgets what was asked; the script stays.
    void clear()
    {
        asked.clear();
        dialogs.clear();
    }

    QList<PromptMessage> asked;
    QList<FileDialogRequest> dialogs;
    QList<PromptAnswer> answers;         // taken from the front by questions
    QList<std::optional<QString>> files; // taken from the front by file dialogs; nullopt cancels

private:
    std::optional<QString> fileDialog(const FileDialogRequest& request)
    {
        dialogs.append(request);
        if (files.isEmpty()) {
            ADD_FAILURE() << "Nobody scripted the file dialog starting in: " << request.startFolder.toStdString();
            return std::nullopt;
        }
        return files.takeFirst();
    }
    static bool offers(PromptButtons buttons, PromptAnswer answer)
    {
        switch (buttons) {
        case PromptButtons::Ok:
            return answer == PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return answer == PromptAnswer::Ok || answer == PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return answer == PromptAnswer::Yes || answer == PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            return answer != PromptAnswer::Ok;
        }
        return false;
    }
    static const char* name(PromptAnswer answer)
    {
        switch (answer) {
        case PromptAnswer::Ok:
            return "Ok";
        case PromptAnswer::Cancel:
            return "Cancel";
        case PromptAnswer::Yes:
            return "Yes";
        case PromptAnswer::No:
            return "No";
        }
        return "?";
    }
};

} // namespace kw::test
