#pragma once

#include "editor/shipeditor.h"

namespace kw {

// Wraps one user operation: the window hears "changed" once, when the outermost one ends.
class ChangeScope {
public:
    explicit ChangeScope(ShipEditor& editor) : m_editor(editor) { ++m_editor.m_notifyDepth; }
    ~ChangeScope()
    {
        if (--m_editor.m_notifyDepth == 0)
            Q_EMIT m_editor.changed();
    }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

private:
    ShipEditor& m_editor;
};

} // namespace kw
