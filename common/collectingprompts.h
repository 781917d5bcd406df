#pragma once

#include "common/userprompts.h"

#include <QStringList>

namespace kw {

// Prompts that ask nobody: messages are collected, questions get the safe answer (No, Cancel)
// and file dialogs are cancelled. For work done without a window (the command-line tool) or
// behind the user's back (the fleet's ship pictures).
class CollectingPrompts : public UserPrompts {
public:
    PromptAnswer ask(const PromptMessage& message) override
    {
        messages << message.text;
        switch (message.buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Cancel;
        }
        return PromptAnswer::Cancel;
    }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }

    QStringList messages;
};

} // namespace kw
