#pragma once

#include "common/userprompts.h"
#include "editor/shipeditor.h"

#include <QTemporaryDir>
#include <memory>

namespace kw::bench {

// Answers nothing and records nothing: benchmarks must not pay for prompts.
class SilentPrompts : public UserPrompts {
public:
    PromptAnswer ask(const PromptMessage&) override { return PromptAnswer::Ok; }
    std::optional<QString> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
};

// The largest design the editor allows: every system at its maximum, 200 weapon mounts of
// every kind and 20 hangar bays, on a Fragile hull of 1320.
struct MaximalDesign {
    MaximalDesign();
    QTemporaryDir folder;
    SilentPrompts prompts;
    std::unique_ptr<ShipEditor> editor;
};

// Makes sure a GUI application object exists (painting needs one).
void ensureApplication();

// Every icon on the widest display (6275 x 3700 twips), dropped there as a user would.
void placeEveryIcon(ShipEditor& editor);

} // namespace kw::bench
