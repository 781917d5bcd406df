#pragma once

#include "common/sidenameseditor.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kw {

// The side-names editor, shown modally. It mirrors the SideNamesEditor and forwards every
// event to it; however it closes ("Done", the close box, Escape), the list file is written.
class FrmEditSideNames : public QDialog {
    Q_OBJECT

public:
    FrmEditSideNames(const QString& programFolder, UserPrompts& prompts, QWidget* parent = nullptr);

    SideNamesEditor& editor() { return m_editor; }

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* button(const char* name, const QString& caption, void (SideNamesEditor::*press)());
    void mirror();
    void mirrorList();

    SideNamesEditor m_editor;
    QListWidget* m_lstNames = nullptr;
    QLineEdit* m_txtEdit = nullptr;
    QPushButton* m_cmdAdd = nullptr;
    QPushButton* m_cmdEdit = nullptr;
    QPushButton* m_cmdUpdate = nullptr;
    QPushButton* m_cmdRemove = nullptr;
    QPushButton* m_cmdDone = nullptr;
    bool m_listWritten = false;
};

} // namespace kw
