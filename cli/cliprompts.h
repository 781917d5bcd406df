#pragma once

#include "common/userprompts.h"

#include <QStringList>

namespace kw {

// The command-line tool asks nobody: messages are collected for the report, questions are
// answered with the safe choice (No, Cancel) and file dialogs are cancelled.
class CliPrompts : public UserPrompts {
public:
    PromptAnswer ask(const PromptMessage& message) override
    {
        messages << message.text;
        switch (message.buttons) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::OkCancel: return PromptAnswer::Cancel;
        case PromptButtons::YesNo: return PromptAnswer::No;
        case PromptButtons::YesNoCancel: return PromptAnswer::Cancel;
        }
        return PromptAnswer::Cancel;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }

    QStringList messages;
};

} // namespace kw
