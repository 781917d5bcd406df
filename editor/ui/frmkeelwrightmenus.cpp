#include "editor/ui/frmkeelwright.h"

#include "common/recentfiles.h"
#include "common/ui/dlgprinter.h"
#include "common/ui/editmenu.h"
#include "common/ui/qtpageprinter.h"
#include "common/ui/recentfilesmenu.h"
#include "editor/shipeditor.h"
#include "editor/ui/frmaddweap.h"
#include "editor/stepnames.h"
#include "editor/ui/frmhangar.h"
#include "storage/programfolder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kw {

namespace {

// Appends the item to its menu array; the enum value it stands for must be its position.
template <typename Item>
QAction* addItem(QMenu* menu, QList<QAction*>& items, const QString& prefix, Item item, const QString& caption,
                 const QKeySequence& shortcut = {})
{
    Q_ASSERT(items.size() == static_cast<int>(item));
    QAction* action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(prefix + QLatin1Char('_') + QString::number(static_cast<int>(item)));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    items.append(action);
    return action;
}

} // namespace

void FrmKeelwright::buildMenus()
{
    using Entry = std::tuple<FileItem, const char*, QKeySequence>;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto addFileItems = [this, file](std::initializer_list<Entry> entries) {
        for (const auto& [item, caption, shortcut] : entries) {
            QAction* action = addItem(file, m_fileItems, QStringLiteral("mnuFileItem"), item,
                                      QString::fromLatin1(caption), shortcut);
            connect(action, &QAction::triggered, this, [this, item] { mnuFileItem_Click(item); });
        }
    };
    addFileItems({{FileItem::NewShip, "&New Ship", QKeySequence(Qt::CTRL | Qt::Key_N)},
                  {FileItem::SaveShip, "&Save Ship", QKeySequence(Qt::CTRL | Qt::Key_S)},
                  {FileItem::SaveAs, "Save &As", QKeySequence(Qt::Key_F12)},
                  {FileItem::SavePicture, "Save Ship Picture", QKeySequence()},
                  {FileItem::Open, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O)},
                  {FileItem::OpenSeparator, "-", QKeySequence()},
                  {FileItem::PrintSetup, "Print Setup...", QKeySequence()},
                  {FileItem::PrintShipDiagram, "&Print Ship Diagram", QKeySequence(Qt::CTRL | Qt::Key_P)},
                  {FileItem::PrintSeparator, "-", QKeySequence()}});
    m_recentMenu = new RecentFilesMenu(QStringLiteral("&Recent Ships"), RecentKind::Ships, file);
    m_recentMenu->setObjectName(QStringLiteral("mnuRecentShips"));
    connect(m_recentMenu, &RecentFilesMenu::itemChosen, this, &FrmKeelwright::mnuRecent_Click);
    QAction* recent = file->addMenu(m_recentMenu);
    recent->setObjectName(QStringLiteral("mnuFileItem_%1").arg(static_cast<int>(FileItem::RecentShips)));
    m_fileItems.append(recent);
    addFileItems({{FileItem::RecentSeparator, "-", QKeySequence()},
                  {FileItem::BackToMenu, "Back to &Menu", QKeySequence(Qt::CTRL | Qt::Key_M)},
                  {FileItem::ExitProgram, "E&xit Program", QKeySequence(Qt::CTRL | Qt::Key_X)}});

    m_editMenu = new EditMenu(menuBar());
    connect(m_editMenu, &EditMenu::undoChosen, &m_editor, &ShipEditor::undo);
    connect(m_editMenu, &EditMenu::redoChosen, &m_editor, &ShipEditor::redo);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    const std::tuple<ToolsItem, const char*, QKeySequence> toolsItems[] = {
        {ToolsItem::LockShip, "Un&lock Ship Design", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {ToolsItem::LockSeparator, "-", QKeySequence()},
        {ToolsItem::Preferences, "&Preferences", QKeySequence(Qt::Key_F11)}};
    for (const auto& [item, caption, shortcut] : toolsItems) {
        QAction* action = addItem(tools, m_toolsItems, QStringLiteral("mnuToolsItem"), item,
                                  QString::fromLatin1(caption), shortcut);
        connect(action, &QAction::triggered, this, [this, item] { mnuToolsItem_Click(item); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    // "&Help" and its separator (items 0 and 1) are never shown, so About is the only item.
    m_aboutItem = help->addAction(QStringLiteral("&About SMKW"));
    m_aboutItem->setObjectName(QStringLiteral("mnuHelpItem_2"));
    connect(m_aboutItem, &QAction::triggered, this, &FrmKeelwright::aboutRequested);
}

void FrmKeelwright::mirrorMenus()
{
    // While Auto Calc runs, nothing may change or replace the design it works on.
    const bool searching = m_editor.editMode() == EditMode::AutoCalc;
    fileItem(FileItem::SaveShip)->setEnabled(m_editor.saveEnabled() && !searching);
    for (FileItem item : {FileItem::SaveAs, FileItem::SavePicture, FileItem::PrintShipDiagram})
        fileItem(item)->setEnabled(m_editor.saveAsEnabled() && !searching);
    for (QAction* item : {fileItem(FileItem::NewShip), fileItem(FileItem::Open), fileItem(FileItem::BackToMenu),
                          toolsItem(ToolsItem::LockShip), toolsItem(ToolsItem::Preferences)})
        item->setEnabled(!searching);
    toolsItem(ToolsItem::LockShip)->setText(m_editor.lockMenuCaption());
    m_editMenu->show(m_editor.undoAction(), m_editor.redoAction(), m_editor.undoAllowed());
    m_recentMenu->follow(m_editor.recentFiles());
    for (QAction* recent : m_recentMenu->actions())
        recent->setEnabled(!searching);
}

void FrmKeelwright::mnuFileItem_Click(FileItem item)
{
    switch (item) {
    case FileItem::NewShip:
        if (!m_editor.resolveUnsavedChanges())
            return;
        loadDesign();
        break;
    case FileItem::SaveShip:
        m_editor.SaveShip(false);
        break;
    case FileItem::SaveAs:
        m_editor.SaveAs();
        break;
    case FileItem::SavePicture:
        m_editor.SavePic();
        break;
    case FileItem::Open:
        if (!m_editor.resolveUnsavedChanges())
            return;
        hide();
        m_editor.OpenShip(QString());
        show();
        break;
    case FileItem::PrintSetup:
        m_printSetup.showModal(this);
        break;
    case FileItem::PrintShipDiagram: {
        QtPagePrinter printer(m_printSetup, m_prompts, shipsFolder(m_editor.programFolder()), this);
        m_editor.PrintShip(printer);
        break;
    }
    case FileItem::BackToMenu:
        // The menu comes up before the editor goes; the editor's next showing loads it afresh.
        if (!m_editor.resolveUnsavedChanges())
            return;
        Q_EMIT backToMenuRequested();
        closeByProgram();
        break;
    case FileItem::ExitProgram:
        close();
        break;
    case FileItem::OpenSeparator:
    case FileItem::PrintSeparator:
    case FileItem::RecentShips:
    case FileItem::RecentSeparator:
        break;
    }
}

void FrmKeelwright::mnuToolsItem_Click(ToolsItem item)
{
    if (item == ToolsItem::LockShip)
        m_editor.setShip_Locked(!m_editor.Ship_Locked());
    else if (item == ToolsItem::Preferences) {
        // The preferences are modal and may edit the side names; the side list follows at once.
        Q_EMIT preferencesRequested();
        m_editor.reloadSides();
    }
}

void FrmKeelwright::mnuRecent_Click(int index)
{
    // A recent ship opens at once, without the question about unsaved changes.
    if (const RecentFiles* recent = m_editor.recentFiles())
        m_editor.OpenShip(recent->GetRecentFile(index + 1, RecentKind::Ships));
}

void FrmKeelwright::cmdHangar_Click()
{
    // The bays are stored as they are edited; the recalculation waits for the window to close.
    // The whole session is one step.
    ShipEditor::EditStep step(m_editor, StepName::hangarBays);
    FrmHangar dialog(m_editor, this);
    dialog.exec();
    m_editor.UpdateShip(false);
}

void FrmKeelwright::cmdAdd_Click()
{
    ShipEditor::EditStep step(m_editor, StepName::addWeapon);
    FrmAddWeap dialog(m_editor, this);
    dialog.exec();
    m_editor.UpdateShip(false);
}

} // namespace kw
