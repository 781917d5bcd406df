#include "fleet/ui/frmfleetorganizer.h"

#include "common/recentfiles.h"
#include "common/ui/dlgprinter.h"
#include "common/ui/editmenu.h"
#include "common/ui/menuarray.h"
#include "common/ui/qtpageprinter.h"
#include "common/ui/recentfilesmenu.h"
#include "fleet/fleetorganizer.h"
#include "fleet/ui/fleetstatistics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kw {

void FrmFleetOrganizer::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const QString fileArray = QStringLiteral("mnuFileItem");
    m_fileItems = addMenuArray(file, fileArray, static_cast<int>(FileItem::NewFleet),
                               {{"&New Fleet", QKeySequence(Qt::CTRL | Qt::Key_N)},
                                {"&Save Fleet", QKeySequence(Qt::CTRL | Qt::Key_S)},
                                {"Save &As", QKeySequence(Qt::Key_F12)},
                                {"Save Fleet Picture"},
                                {"&Open", QKeySequence(Qt::CTRL | Qt::Key_O)},
                                {"-"},
                                {"Print Setup"},
                                {"&Print Fleet", QKeySequence(Qt::CTRL | Qt::Key_P)},
                                {"-"}});
    m_recentMenu = new RecentFilesMenu(QStringLiteral("&Recent Fleets"), RecentKind::Fleets, file);
    m_recentMenu->setObjectName(QStringLiteral("mnuRecentFleets"));
    connect(m_recentMenu, &RecentFilesMenu::itemChosen, this, &FrmFleetOrganizer::mnuRecent_Click);
    QAction* recent = file->addMenu(m_recentMenu);
    recent->setObjectName(fileArray + QLatin1Char('_') + QString::number(static_cast<int>(FileItem::RecentFleets)));
    m_fileItems << recent;
    m_fileItems << addMenuArray(file, fileArray, static_cast<int>(FileItem::RecentSeparator),
                                {{"-"},
                                 {"Back to &Menu", QKeySequence(Qt::CTRL | Qt::Key_M)},
                                 {"E&xit Program", QKeySequence(Qt::CTRL | Qt::Key_X)}});
    for (int i = 0; i < m_fileItems.size(); ++i) {
        const auto item = static_cast<FileItem>(i);
        if (item != FileItem::RecentFleets)
            connect(m_fileItems[i], &QAction::triggered, this, [this, item] { mnuFileItem_Click(item); });
    }

    m_editMenu = new EditMenu(menuBar());
    // A limit still being typed is a step of its own, which undo then takes back first.
    connect(m_editMenu, &EditMenu::undoChosen, this, [this] {
        m_statistics->enterLimitBeingTyped();
        m_organizer.Undo();
    });
    connect(m_editMenu, &EditMenu::redoChosen, this, [this] {
        m_statistics->enterLimitBeingTyped();
        m_organizer.Redo();
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    m_preferencesItem = addMenuArray(tools, QStringLiteral("mnuToolsItem"), 0,
                                     {{"&Preferences", QKeySequence(Qt::Key_F11)}})
                            .first();
    connect(m_preferencesItem, &QAction::triggered, this, &FrmFleetOrganizer::preferencesRequested);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    // "&Help" and its separator (items 0 and 1) are never shown, so About is the only item.
    m_aboutItem = addMenuArray(help, QStringLiteral("mnuHelpItem"), 2, {{"&About SMKW"}}).first();
    connect(m_aboutItem, &QAction::triggered, this, &FrmFleetOrganizer::aboutRequested);
}

void FrmFleetOrganizer::mirrorMenus()
{
    fileItem(FileItem::SaveFleet)->setEnabled(m_organizer.SaveEnabled());
    for (FileItem item : {FileItem::SaveAs, FileItem::SaveFleetPicture, FileItem::PrintFleet})
        fileItem(item)->setEnabled(m_organizer.HasShips());
    m_recentMenu->follow(m_organizer.recentFiles());
    // A card being dragged is no step yet.
    m_editMenu->show(m_organizer.undoAction(), m_organizer.redoAction(), m_organizer.draggedCard() == 0);
}

void FrmFleetOrganizer::mnuFileItem_Click(FileItem item)
{
    // What the user was typing counts, as if the box had been left first.
    m_statistics->enterLimitBeingTyped();
    switch (item) {
    case FileItem::NewFleet:
        m_organizer.NewFleet();
        break;
    case FileItem::SaveFleet:
        m_organizer.SaveFleet();
        break;
    case FileItem::SaveAs:
        m_organizer.SaveAs();
        break;
    case FileItem::SaveFleetPicture:
        m_organizer.SaveFleetPicture();
        break;
    case FileItem::Open:
        m_organizer.Open();
        break;
    case FileItem::PrintSetup:
        m_printSetup.showModal(this);
        break;
    case FileItem::PrintFleet: {
        QtPagePrinter printer(m_printSetup, m_prompts, m_organizer.dialogFolder(), this);
        m_organizer.PrintFleet(printer);
        break;
    }
    case FileItem::BackToMenu:
        // The menu comes up before the organizer goes; its next showing loads it afresh.
        if (!m_organizer.BackToMenu())
            return;
        Q_EMIT backToMenuRequested();
        closeByProgram();
        break;
    case FileItem::ExitProgram:
        if (m_organizer.confirmExit())
            Q_EMIT programEndRequested();
        break;
    case FileItem::OpenSeparator:
    case FileItem::PrintSeparator:
    case FileItem::RecentFleets:
    case FileItem::RecentSeparator:
        break;
    }
}

void FrmFleetOrganizer::mnuRecent_Click(int index)
{
    m_statistics->enterLimitBeingTyped();
    m_organizer.OpenRecent(index);
}

} // namespace kw
