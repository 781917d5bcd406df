#pragma once

#include "common/changenotifier.h"
#include "common/userprompts.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kw {

// The side-names editor without its window: the list of sides, the text field, the mode and
// which buttons a user can press. Folders below Ships change at once as sides are added,
// renamed or deleted; the list file is written when the editor closes.
class SideNamesEditor : public ChangeNotifier {
    Q_OBJECT

public:
    SideNamesEditor(UserPrompts& prompts, const QString& programFolder, QObject* parent = nullptr);

    // The window's load: the list as Sides.txt holds it, nothing selected, adding mode.
    void Load();

    // State.
    const QStringList& names() const { return m_names; }
    QString text() const { return m_text; }
    int SideEditMode() const { return m_editing ? 1 : 0; }
    int EditedSide() const { return m_editedSide; }
    int selectedSide() const { return m_selected; }
    bool addEnabled() const { return m_addEnabled && !m_editing; }
    bool editEnabled() const { return !m_editing && m_selected >= 0; }
    bool removeEnabled() const { return editEnabled(); }
    bool updateVisible() const { return m_editing; }

    // Events of the window's controls. A button that is disabled or hidden does nothing.
    void setText(const QString& text);
    void selectSide(int index);   // -1: nothing selected
    void clickList();             // a click selects the first side when none is selected
    void pressEnter();            // Add while adding, Update while renaming
    void add();
    void edit();
    void update();
    void remove();

    // "Done" and every other close: writes Sides.txt in list order. Returns false, after
    // telling the user why, when the file could not be written.
    bool done();

private:
    std::optional<PromptMessage> nameRefusal(const QString& name, int ignoredIndex) const;
    bool createFolderFor(const QString& name);
    bool renameFolder(const QString& from, const QString& to);
    bool deleteFolderOf(const QString& name);
    void reportFolderFailure(const QString& error, const QString& cause);
    void showTrimmedText();

    UserPrompts& m_prompts;
    QString m_programFolder;
    QStringList m_names;
    QString m_text;
    bool m_editing = false;
    int m_editedSide = -1;
    int m_selected = -1;
    bool m_addEnabled = false;
    bool m_listUnreadable = false;
};

} // namespace kw
