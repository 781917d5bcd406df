#include "editor/ui/frmkeelwright.h"

#include "common/ui/dlgprinter.h"
#include "common/ui/frmeditsidenames.h"
#include "common/ui/qtuserprompts.h"
#include "editor/recentships.h"
#include "editor/shipeditor.h"
#include "editor/ui/frmaddweap.h"
#include "editor/ui/frmhangar.h"
#include "editor/ui/qtshipprinter.h"
#include "storage/programfolder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kw {

namespace {

QAction* item(QMenu* menu, QList<QAction*>& items, const QString& prefix, const QString& caption,
              const QKeySequence& shortcut = {})
{
    QAction* action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(prefix + QLatin1Char('_') + QString::number(items.size()));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    items.append(action);
    return action;
}

} // namespace

void FrmKeelwright::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const QString f = QStringLiteral("mnuFileItem");
    connect(item(file, m_fileItems, f, QStringLiteral("&New Ship"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &FrmKeelwright::newShip);
    connect(item(file, m_fileItems, f, QStringLiteral("&Save Ship"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &FrmKeelwright::saveShip);
    connect(item(file, m_fileItems, f, QStringLiteral("Save &As"), QKeySequence(Qt::Key_F12)), &QAction::triggered,
            this, &FrmKeelwright::saveAs);
    connect(item(file, m_fileItems, f, QStringLiteral("Save Ship Picture")), &QAction::triggered, this,
            &FrmKeelwright::savePicture);
    connect(item(file, m_fileItems, f, QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &FrmKeelwright::openShip);
    item(file, m_fileItems, f, QStringLiteral("-"));
    connect(item(file, m_fileItems, f, QStringLiteral("Print Setup...")), &QAction::triggered, this,
            &FrmKeelwright::printSetup);
    connect(item(file, m_fileItems, f, QStringLiteral("&Print Ship Diagram"), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &FrmKeelwright::printShip);
    item(file, m_fileItems, f, QStringLiteral("-"));
    m_recentMenu = new QMenu(QStringLiteral("&Recent Ships"), file);
    m_recentMenu->setObjectName(QStringLiteral("mnuRecentShips"));
    for (int i = 0; i < RecentShips::kPlaces; ++i) {
        QAction* recentItem = m_recentMenu->addAction(QString());
        recentItem->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        // A recent ship opens at once, without the question about unsaved changes.
        connect(recentItem, &QAction::triggered, this, [this, i] {
            if (RecentShips* recent = m_editor.recentShips())
                m_editor.OpenShip(recent->GetRecentFile(i + 1));
        });
    }
    QAction* recent = file->addMenu(m_recentMenu);
    recent->setObjectName(QStringLiteral("mnuFileItem_9"));
    m_fileItems.append(recent);
    item(file, m_fileItems, f, QStringLiteral("-"));
    item(file, m_fileItems, f, QStringLiteral("Back to &Menu"), QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(item(file, m_fileItems, f, QStringLiteral("E&xit Program"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &FrmKeelwright::exitProgram);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    const QString t = QStringLiteral("mnuToolsItem");
    connect(item(tools, m_toolsItems, t, QStringLiteral("Un&lock Ship Design"), QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, this, [this] { m_editor.setShip_Locked(!m_editor.Ship_Locked()); });
    item(tools, m_toolsItems, t, QStringLiteral("-"));
    item(tools, m_toolsItems, t, QStringLiteral("&Preferences"), QKeySequence(Qt::Key_F11));
    // The side names are edited here until the preferences dialog, their usual door, exists.
    QAction* sides = tools->addAction(QStringLiteral("Edit &Side Names..."));
    sides->setObjectName(QStringLiteral("mnuEditSideNames"));
    connect(sides, &QAction::triggered, this, &FrmKeelwright::editSideNames);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* about = help->addAction(QStringLiteral("&About SMKW"));
    about->setObjectName(QStringLiteral("mnuHelpItem_2"));
}

void FrmKeelwright::mirrorMenus()
{
    m_fileItems[1]->setEnabled(m_editor.saveEnabled());
    for (int i : {2, 3, 7})
        m_fileItems[i]->setEnabled(m_editor.saveAsEnabled());
    m_toolsItems[0]->setText(m_editor.lockMenuCaption());
    bool anyRecent = false;
    const QList<QAction*> recentItems = m_recentMenu->actions();
    for (int i = 0; i < recentItems.size(); ++i) {
        const QString path = m_editor.recentShips() ? m_editor.recentShips()->GetRecentFile(i + 1) : QString();
        recentItems[i]->setText(path);
        recentItems[i]->setVisible(!path.isEmpty());
        anyRecent = anyRecent || !path.isEmpty();
    }
    m_fileItems[9]->setEnabled(anyRecent);
    // These wait for the parts of the program they lead to: the main menu, the preferences and
    // the About box.
    m_fileItems[11]->setEnabled(false);
    m_toolsItems[2]->setEnabled(false);
    menuBar()->findChild<QAction*>(QStringLiteral("mnuHelpItem_2"))->setEnabled(false);
}

void FrmKeelwright::newShip()
{
    if (!m_editor.resolveUnsavedChanges())
        return;
    m_editor.Load();
    m_tabs->setCurrentIndex(0);
}

void FrmKeelwright::openShip()
{
    if (!m_editor.resolveUnsavedChanges())
        return;
    hide();
    m_editor.OpenShip(QString());
    show();
}

void FrmKeelwright::saveShip()
{
    m_editor.SaveShip(false);
}

void FrmKeelwright::saveAs()
{
    m_editor.SaveAs();
}

void FrmKeelwright::savePicture()
{
    m_editor.SavePic();
}

void FrmKeelwright::printSetup()
{
    if (!m_printer)
        m_printer = new DlgPrinter(this);
    m_printer->exec();
}

void FrmKeelwright::printShip()
{
    if (!m_printer)
        m_printer = new DlgPrinter(this);
    QtShipPrinter printer(*m_printer, m_prompts, shipsFolder(m_editor.programFolder()));
    m_editor.PrintShip(printer);
}

void FrmKeelwright::editHangars()
{
    // The bays are stored as they are edited; the recalculation waits for the window to close.
    FrmHangar dialog(m_editor, this);
    dialog.exec();
    m_editor.UpdateShip(false);
}

void FrmKeelwright::addWeapon()
{
    FrmAddWeap dialog(m_editor, this);
    dialog.exec();
    m_editor.UpdateShip(false);
}

void FrmKeelwright::editSideNames()
{
    FrmEditSideNames dialog(m_editor.programFolder(), m_prompts, this);
    dialog.exec();
}

void FrmKeelwright::exitProgram()
{
    close();
}

} // namespace kw
