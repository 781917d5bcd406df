#pragma once

#include "common/apptitle.h"

#include <QString>
#include <optional>

namespace kw {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Exclamation, Critical };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct PromptMessage {
    QString text;
    QString title = kAppTitle;
    PromptButtons buttons = PromptButtons::Ok;
    PromptIcon icon = PromptIcon::None;
    // The button Enter presses; without one, the first.
    std::optional<PromptAnswer> defaultAnswer = std::nullopt;
};

// A file dialog request. The filter is written as the program's own text, in the form
// "Ship File (*.shp)|*.shp|": description and pattern pairs separated by "|".
struct FileDialogRequest {
    QString title;
    QString startFolder;
    QString filter;
    QString proposedName;
};

// Everything the controllers ask of the user. The windows answer with real dialogs, the tests
// with scripted answers, the command-line tool without asking.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual PromptAnswer ask(const PromptMessage& message) = 0;
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;

    // A plain OK box.
    void tell(const QString& text, PromptIcon icon = PromptIcon::None, const QString& title = kAppTitle)
    {
        ask({text, title, PromptButtons::Ok, icon});
    }
};

} // namespace kw
