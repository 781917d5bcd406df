#include "shell/ui/keelwrightshell.h"

#include "common/recentfiles.h"
#include "common/scratchfolder.h"
#include "common/ui/dlgprinter.h"
#include "common/ui/qtuserprompts.h"
#include "display/sheetfonts.h"
#include "display/systempictures.h"
#include "editor/shipeditor.h"
#include "editor/ui/frmkeelwright.h"
#include "fleet/ui/frmfleetorganizer.h"
#include "shell/desktopintegration.h"
#include "shell/endprogram.h"
#include "shell/fileregistrybackend.h"
#include "shell/preferences.h"
#include "shell/programwindow.h"
#include "shell/registry.h"
#include "shell/settings.h"
#include "shell/systeminfo.h"
#include "shell/ui/desktoplinkopener.h"
#include "shell/ui/editorwindow.h"
#include "shell/ui/fleetwindow.h"
#include "shell/ui/frmmenu.h"
#include "shell/ui/frmprefs.h"
#include "shell/ui/frmsplash.h"
#include "storage/defaultships.h"
#include "storage/programfolder.h"

#ifdef Q_OS_WIN
#include "shell/winregistrybackend.h"
#endif

#include <QApplication>
#include <QIcon>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace kw {

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/shell/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

ShellEnvironment::ShellEnvironment() = default;
ShellEnvironment::ShellEnvironment(ShellEnvironment&&) noexcept = default;
ShellEnvironment::~ShellEnvironment() = default;

ShellEnvironment ShellEnvironment::forThisSystem()
{
    ShellEnvironment env;
    env.programFolder = resolveProgramFolder();
    env.executable = QCoreApplication::applicationFilePath();
    auto isFile = [](const QString& path) { return QFileInfo(path).isFile(); };
#ifdef Q_OS_WIN
    env.registry = std::make_unique<WinRegistryBackend>();
    env.findSystemInfo = [isFile](const Registry& registry) {
        return findSystemInfoTool({&registry, isFile, {}});
    };
#else
    env.registry = std::make_unique<FileRegistryBackend>(FileRegistryBackend::defaultFilePath());
#ifndef Q_OS_MACOS
    env.desktop = std::make_unique<DesktopIntegration>(DesktopIntegration::forThisUser(env.executable));
#endif
    env.findSystemInfo = [isFile](const Registry&) {
        return findSystemInfoTool({nullptr, isFile, [](const QString& name) { return QStandardPaths::findExecutable(name); }});
    };
#endif
    env.startProgram = [](const QString& program) { return QProcess::startDetached(program, {}); };
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    env.clock = [timer] { return timer->elapsed(); };
    return env;
}

KeelwrightShell::KeelwrightShell(ShellEnvironment environment, QObject* parent)
    : QObject(parent), m_env(std::move(environment))
{
    if (!m_env.links) {
        m_ownLinks = std::make_unique<DesktopLinkOpener>();
        m_env.links = m_ownLinks.get();
    }
    if (!m_env.clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_env.clock = [timer] { return timer->elapsed(); };
    }
    m_shellPrompts = &promptsOver(nullptr);
    m_registry = std::make_unique<Registry>(*m_env.registry, *m_shellPrompts);
    m_settings = std::make_unique<Settings>(*m_registry, *m_shellPrompts);
    m_recent = std::make_unique<RecentFiles>(m_settings->recentFileStore());
    m_scratch = std::make_unique<ScratchFolder>(m_env.programFolder);
}

KeelwrightShell::~KeelwrightShell()
{
    // The windows go before the controllers they show.
    m_menu.reset();
    m_fleetWindow.reset();
    m_shipWindow.reset();
    m_shipForm.reset();
    m_editor.reset();
    m_printSetup.reset();
    m_splash.reset();
}

ProgramWindow& KeelwrightShell::fleetWindow()
{
    return *m_fleetWindow;
}

FrmFleetOrganizer* KeelwrightShell::fleetForm() const
{
    return m_fleetWindow ? &m_fleetWindow->form() : nullptr;
}

UserPrompts& KeelwrightShell::promptsOver(QWidget* owner)
{
    if (m_env.prompts)
        return *m_env.prompts;
    m_ownPrompts.push_back(std::make_unique<QtUserPrompts>(owner));
    return *m_ownPrompts.back();
}

bool KeelwrightShell::start(const CommandLineAction& commandLine)
{
    m_commandLine = commandLine;
    m_startup = std::make_unique<Startup>(*m_settings, *m_shellPrompts, *this, m_env.clock);
    QSize screen = m_env.screenSize ? m_env.screenSize() : QSize();
    if (!m_env.screenSize && QGuiApplication::primaryScreen())
        screen = QGuiApplication::primaryScreen()->size();
    return m_startup->Start(screen);
}

void KeelwrightShell::showSplash()
{
    m_splash = std::make_unique<FrmSplash>();
    connect(m_splash.get(), &FrmSplash::unloaded, this, &KeelwrightShell::splashGone);
    if (!m_env.prompts)
        m_ownPrompts.front()->setOwner(m_splash.get());
    m_splash->show();
    m_splash->activateWindow();
    // Painted now: the rest of the start-up runs before the event loop does.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_env.splashShown)
        m_env.splashShown();
}

void KeelwrightShell::createMainWindows()
{
    // Set once the splash is up: decoding the icon is no part of the way to the splash.
    QApplication::setWindowIcon(applicationIcon());
    loadSheetFonts();
    // A first start brings the sides and the sample designs; an existing Ships folder is
    // never touched.
    QString error;
    if (!ensureShipsFolder(m_env.programFolder, &error))
        m_shellPrompts->tell(QStringLiteral("The ship folder could not be set up:\r\n") + error, PromptIcon::Exclamation);

    m_printSetup = std::make_unique<DlgPrinter>();
    UserPrompts& editorPrompts = promptsOver(nullptr);
    m_editor = std::make_unique<ShipEditor>(editorPrompts, m_env.programFolder);
    m_editor->setRecentFiles(m_recent.get());
    m_editor->setKeepLayout(keepLayoutPreferred(*m_settings));
    m_shipForm = std::make_unique<FrmKeelwright>(*m_editor, editorPrompts, *m_printSetup);
    if (!m_env.prompts)
        m_ownPrompts.back()->setOwner(m_shipForm.get());
    m_shipWindow = std::make_unique<EditorWindow>(*m_shipForm, *this, m_startup->SmallScreen());

    UserPrompts& fleetPrompts = promptsOver(nullptr);
    // Without a scratch folder the pictures are made afresh each time a ship joins the fleet.
    const QString pictures = m_scratch->runFolder();
    m_fleetWindow = std::make_unique<FleetWindow>(FleetWindowParts{
        *this, fleetPrompts, *m_printSetup, *m_recent, m_env.programFolder, pictures, m_startup->SmallScreen()});
    if (!m_env.prompts)
        m_ownPrompts.back()->setOwner(&m_fleetWindow->form());
}

void KeelwrightShell::showFirstRunPreferences()
{
    showPreferencesDialog(m_splash.get(), true);
}

void KeelwrightShell::loadSystemPictures()
{
    SystemPictures::instance();
}

void KeelwrightShell::preloadWindows()
{
    // The print setup was made with the windows that borrow it.
    m_menu = std::make_unique<FrmMenu>(*m_env.links);
    connect(m_menu.get(), &FrmMenu::startKeelwright, this, [this] { startWindow(*m_shipWindow); });
    connect(m_menu.get(), &FrmMenu::startFleetOrganizer, this, [this] { startWindow(*m_fleetWindow); });
    connect(m_menu.get(), &FrmMenu::editPreferences, this, [this] { showPreferences(m_menu.get()); });
    connect(m_menu.get(), &FrmMenu::endProgram, this, &KeelwrightShell::EndProgram);
}

void KeelwrightShell::armUnloadTimer(int milliseconds)
{
    m_splash->armUnloadTimer(milliseconds);
}

void KeelwrightShell::splashGone()
{
    if (m_ended)
        return;
    if (!m_env.prompts)
        m_ownPrompts.front()->setOwner(m_menu.get());
    m_startup->ProcessCommandLine(m_commandLine);
}

void KeelwrightShell::startWindow(ProgramWindow& window)
{
    window.showWindow();
    m_menu->hide();
}

void KeelwrightShell::showMainMenu()
{
    m_menu->show();
    m_menu->raise();
    m_menu->activateWindow();
}

void KeelwrightShell::backToMenu()
{
    showMainMenu();
}

void KeelwrightShell::EndProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_splash) {
        m_splash->unloadTimer()->stop();
        m_splash->hide();
    }
    discardScratchFiles(*m_scratch, m_env.programFolder);
    if (m_shipWindow)
        m_shipWindow->unloadByProgram();
    if (m_fleetWindow)
        m_fleetWindow->unloadByProgram();
    if (m_menu)
        m_menu->closeByProgram();
    Q_EMIT programEnded();
    if (m_env.quit)
        m_env.quit();
    else
        QCoreApplication::exit(0);
}

void KeelwrightShell::showPreferencesDialog(QWidget* owner, bool firstRun)
{
    Preferences preferences(*m_settings, *m_shellPrompts, m_env.executable, m_env.desktop.get());
    preferences.Load(firstRun);
    FrmPrefs dialog(preferences, m_env.programFolder, *m_shellPrompts, owner);
    dialog.exec();
    if (m_editor)
        m_editor->setKeepLayout(keepLayoutPreferred(*m_settings));
}

void KeelwrightShell::showPreferences(QWidget* owner)
{
    showPreferencesDialog(owner, false);
}

void KeelwrightShell::showAbout(QWidget* owner)
{
    SystemInfoLauncher launcher{[this] {
                                    return m_env.findSystemInfo ? m_env.findSystemInfo(*m_registry)
                                                                : std::optional<QString>();
                                },
                                m_env.startProgram};
    FrmAbout about(*m_env.links, *m_shellPrompts, launcher, owner);
    about.exec();
}

} // namespace kw
