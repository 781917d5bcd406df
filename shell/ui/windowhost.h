#pragma once

class QWidget;

namespace kw {

// What the main windows ask of the program around them.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // "Back to &Menu": the main menu comes up; the window then unloads itself.
    virtual void backToMenu() = 0;
    // The one way out of the program.
    virtual void EndProgram() = 0;
    // The preferences dialog and the About box, modal over the given window.
    virtual void showPreferences(QWidget* owner) = 0;
    virtual void showAbout(QWidget* owner) = 0;
};

} // namespace kw
