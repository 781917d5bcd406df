#pragma once

#include "common/collectingprompts.h"

#include <QList>

namespace kw {

// The command-line tool asks nobody.
using CliPrompts = CollectingPrompts;

// The same, with the files the command line names given as the answers of the file dialogs,
// in the order they are asked for; a dialog nobody answered is cancelled.
class AnsweringPrompts : public CollectingPrompts {
public:
    std::optional<QString> openFileName(const FileDialogRequest&) override { return next(); }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return next(); }

    QList<QString> files;

private:
    std::optional<QString> next()
    {
        if (files.isEmpty())
            return std::nullopt;
        return files.takeFirst();
    }
};

} // namespace kw
