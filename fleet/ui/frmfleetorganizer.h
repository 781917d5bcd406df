#pragma once

#include <QList>
#include <QMainWindow>

class QAction;
class QComboBox;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace kw {

class DlgPrinter;
class EditMenu;
class FleetOrganizer;
class FleetPageView;
class FleetStatistics;
class FrmDes;
class RecentFilesMenu;
class ScreenSizeRule;
class UserPrompts;

// The Fleet Organizer window: a view of the FleetOrganizer. It shows the organizer's state in
// its controls and hands every user action to it; the rules live there. The page of cards is
// one view that paints them; the print setup is the program's one dialog, lent to the window.
class FrmFleetOrganizer : public QMainWindow {
    Q_OBJECT

public:
    // The File menu is an array with its separators counted: an item's value is its position,
    // which its control name carries (mnuFileItem_9 is the recent fleets submenu).
    enum class FileItem {
        NewFleet, SaveFleet, SaveAs, SaveFleetPicture, Open, OpenSeparator, PrintSetup, PrintFleet,
        PrintSeparator, RecentFleets, RecentSeparator, BackToMenu, ExitProgram
    };

    FrmFleetOrganizer(FleetOrganizer& organizer, UserPrompts& prompts, DlgPrinter& printSetup, QWidget* parent = nullptr);
    ~FrmFleetOrganizer() override;

    FleetOrganizer& organizer() const { return m_organizer; }
    QAction* fileItem(FileItem item) const { return m_fileItems[static_cast<int>(item)]; }
    FleetPageView* page() const { return m_page; }
    EditMenu* editMenu() const { return m_editMenu; }
    FrmDes* descriptionWindow() const { return m_des; }
    // Screens of exactly 800 x 600 keep the window maximised; larger ones never do.
    void setSmallScreen(bool small);
    // Closing by the program itself passes without questions.
    void closeByProgram();
    // The window's load: the sides, an empty fleet without limits, the page at its top-left
    // corner.
    void loadFleet();

Q_SIGNALS:
    // "Back to &Menu", once the unsaved changes are dealt with; the window then closes itself.
    void backToMenuRequested();
    void preferencesRequested();
    void aboutRequested();
    // "E&xit Program", or the user confirmed closing the window: the program is to end.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildClientArea();
    void buildSideAndFleetLists(QWidget* client);
    void buildMenus();
    void bindKeys();

    void mirror();
    void mirrorMenus();
    void mirrorDescription();
    // The page's zoom changed: the bars reach as far as the page now needs.
    void rezoom();

    // Handlers of what needs the window itself; everything else goes straight to the organizer.
    void mnuFileItem_Click(FileItem item);
    void mnuRecent_Click(int index);
    void removeUnlessTyping();

    FleetOrganizer& m_organizer;
    UserPrompts& m_prompts;
    DlgPrinter& m_printSetup;
    bool m_programClose = false;

    QWidget* m_container = nullptr;
    FleetPageView* m_page = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    FleetStatistics* m_statistics = nullptr;
    QComboBox* m_cmbSide = nullptr;
    QListWidget* m_lstAdd = nullptr;
    QListWidget* m_lstFleet = nullptr;
    QPushButton* m_cmdAdd = nullptr;
    QPushButton* m_cmdRemove = nullptr;
    QPushButton* m_cmdOpen = nullptr;
    FrmDes* m_des = nullptr;
    ScreenSizeRule* m_sizeRule = nullptr;

    QList<QAction*> m_fileItems;
    RecentFilesMenu* m_recentMenu = nullptr;
    EditMenu* m_editMenu = nullptr;
    QAction* m_preferencesItem = nullptr;
    QAction* m_aboutItem = nullptr;
};

} // namespace kw
