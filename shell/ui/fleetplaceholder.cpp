#include "shell/ui/fleetplaceholder.h"

#include "display/sheetfonts.h"
#include "shell/ui/windowhost.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>

namespace kw {

namespace {

const QString kComingText = QStringLiteral("The Fleet Organizer is not part of this version yet.");

} // namespace

FleetPlaceholder::FleetPlaceholder(WindowHost& host, bool smallScreen, QWidget* parent)
    : QMainWindow(parent), m_host(host), m_smallScreen(smallScreen)
{
    setObjectName(QStringLiteral("frmFleetOrganizer"));
    setWindowTitle(QStringLiteral("Keelwright - Fleet Organizer"));
    setFont(windowFont());
    m_text = new QLabel(kComingText, this);
    m_text->setObjectName(QStringLiteral("lblPlaceholder"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    setCentralWidget(m_text);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* back = file->addAction(QStringLiteral("Back to &Menu"));
    back->setObjectName(QStringLiteral("mnuBackToMenu"));
    back->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(back, &QAction::triggered, this, [this] {
        m_host.backToMenu();
        unloadByProgram();
    });
    QAction* exit = file->addAction(QStringLiteral("E&xit Program"));
    exit->setObjectName(QStringLiteral("mnuExitProgram"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, [this] { m_host.EndProgram(); });
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* about = help->addAction(QStringLiteral("&About SMKW"));
    connect(about, &QAction::triggered, this, [this] { m_host.showAbout(this); });
    resize(792, 534);
}

void FleetPlaceholder::bringUp()
{
    if (m_smallScreen)
        showMaximized();
    else
        show();
    raise();
    activateWindow();
}

void FleetPlaceholder::showWindow()
{
    m_text->setText(kComingText);
    bringUp();
}

void FleetPlaceholder::openFile(const QString& path)
{
    m_text->setText(kComingText + QStringLiteral("\n\nIt was asked to open the fleet %1.").arg(QDir::toNativeSeparators(path)));
    bringUp();
}

void FleetPlaceholder::unloadByProgram()
{
    m_programClose = true;
    close();
    m_programClose = false;
}

void FleetPlaceholder::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Nothing to lose here: closing the organizer ends the program.
    if (!m_programClose)
        QMetaObject::invokeMethod(this, [this] { m_host.EndProgram(); }, Qt::QueuedConnection);
}

} // namespace kw
