#include "common/ui/frmeditsidenames.h"

#include "common/ui/namedbutton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kw {

FrmEditSideNames::FrmEditSideNames(const QString& programFolder, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_editor(prompts, programFolder)
{
    setObjectName(QStringLiteral("frmEditSideNames"));
    setWindowTitle(QStringLiteral("Edit Side Names"));
    setModal(true);

    m_lstNames = new QListWidget(this);
    m_lstNames->setObjectName(QStringLiteral("lstNames"));
    m_lstNames->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstNames->viewport()->installEventFilter(this);
    connect(m_lstNames, &QListWidget::currentRowChanged, &m_editor, &SideNamesEditor::selectSide);

    m_txtEdit = new QLineEdit(this);
    m_txtEdit->setObjectName(QStringLiteral("txtEdit"));
    connect(m_txtEdit, &QLineEdit::textEdited, &m_editor, &SideNamesEditor::setText);
    connect(m_txtEdit, &QLineEdit::returnPressed, &m_editor, &SideNamesEditor::pressEnter);

    m_cmdAdd = button("cmdAdd", QStringLiteral("Add"), &SideNamesEditor::add);
    m_cmdEdit = button("cmdEdit", QStringLiteral("Edit"), &SideNamesEditor::edit);
    m_cmdUpdate = button("cmdUpdate", QStringLiteral("Update"), &SideNamesEditor::update);
    m_cmdRemove = button("cmdRemove", QStringLiteral("Remove"), &SideNamesEditor::remove);
    m_cmdDone = button("cmdDone", QStringLiteral("Done"), nullptr);
    connect(m_cmdDone, &QPushButton::clicked, this, &QDialog::accept);
    auto* left = new QVBoxLayout;
    left->addWidget(m_lstNames, 1);
    left->addWidget(m_txtEdit);
    auto* right = new QVBoxLayout;
    right->addWidget(m_cmdAdd);
    right->addWidget(m_cmdEdit);
    right->addWidget(m_cmdRemove);
    right->addStretch(1);
    // Update comes and goes while renaming: beside the field that holds the new name, where its
    // space is taken from the stretch so no other button moves.
    right->addWidget(m_cmdUpdate);
    right->addWidget(m_cmdDone);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(340, 260);

    connect(&m_editor, &SideNamesEditor::changed, this, &FrmEditSideNames::mirror);
    m_editor.Load();
    m_txtEdit->setFocus();
}

QPushButton* FrmEditSideNames::button(const char* name, const QString& caption, void (SideNamesEditor::*press)())
{
    QPushButton* button = namedButton(name, caption, this);
    // Enter belongs to the text field (Add or Update); no button may take it as the default.
    button->setAutoDefault(false);
    if (press)
        connect(button, &QPushButton::clicked, &m_editor, press);
    return button;
}

void FrmEditSideNames::mirrorList()
{
    const QSignalBlocker block(m_lstNames);
    const QStringList& names = m_editor.names();
    bool same = m_lstNames->count() == names.size();
    for (int i = 0; same && i < names.size(); ++i)
        same = m_lstNames->item(i)->text() == names[i];
    if (!same) {
        m_lstNames->clear();
        m_lstNames->addItems(names);
    }
    const int selected = m_editor.selectedSide();
    if (m_lstNames->currentRow() != selected || (selected < 0 && !m_lstNames->selectedItems().isEmpty())) {
        m_lstNames->setCurrentRow(selected);
        if (selected < 0)
            m_lstNames->clearSelection();
    }
}

void FrmEditSideNames::mirror()
{
    mirrorList();
    const bool startsEdit = m_editor.updateVisible() && !m_cmdUpdate->isVisible();
    if (m_txtEdit->text() != m_editor.text())
        m_txtEdit->setText(m_editor.text());
    m_cmdAdd->setEnabled(m_editor.addEnabled());
    m_cmdEdit->setEnabled(m_editor.editEnabled());
    m_cmdRemove->setEnabled(m_editor.removeEnabled());
    m_cmdUpdate->setVisible(m_editor.updateVisible());
    // The name to change is in the field now: that is where the user types next.
    if (startsEdit)
        m_txtEdit->setFocus();
}

bool FrmEditSideNames::eventFilter(QObject* watched, QEvent* event)
{
    // After the list has handled the click, so a click on an entry selects that entry.
    if (watched == m_lstNames->viewport() && event->type() == QEvent::MouseButtonRelease)
        m_editor.clickList();
    return QDialog::eventFilter(watched, event);
}

void FrmEditSideNames::done(int result)
{
    // Every way out writes the list once: Done, the close box, Escape.
    if (!m_listWritten) {
        m_listWritten = true;
        m_editor.done();
    }
    QDialog::done(result);
}

void FrmEditSideNames::showEvent(QShowEvent* event)
{
    // Shown again after a close: start afresh from the file just written.
    if (m_listWritten) {
        m_listWritten = false;
        m_editor.Load();
    }
    QDialog::showEvent(event);
}

} // namespace kw
