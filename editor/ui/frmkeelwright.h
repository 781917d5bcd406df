#pragma once

#include "editor/editorstate.h"

#include <QMainWindow>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace kw {

class DlgPrinter;
class EditMenu;
class FieldEdit;
class RecentFilesMenu;
class ScreenSizeRule;
class ShipEditor;
class UserPrompts;
class UpDown;

// The ship editor window: a view of the ShipEditor. It shows the controller's state in its
// widgets and hands every user action to the controller; the rules live there. The print setup
// is the program's one dialog, lent to the window; the window follows the editor's recent list.
class FrmKeelwright : public QMainWindow {
    Q_OBJECT

public:
    // The File and Tools menus are arrays with their separators counted: an item's value is its
    // position, which its control name carries (mnuFileItem_9 is the recent ships submenu).
    enum class FileItem {
        NewShip, SaveShip, SaveAs, SavePicture, Open, OpenSeparator, PrintSetup, PrintShipDiagram,
        PrintSeparator, RecentShips, RecentSeparator, BackToMenu, ExitProgram
    };
    enum class ToolsItem { LockShip, LockSeparator, Preferences };

    FrmKeelwright(ShipEditor& editor, UserPrompts& prompts, DlgPrinter& printSetup, QWidget* parent = nullptr);
    ~FrmKeelwright() override;

    ShipEditor& editor() const { return m_editor; }
    QAction* fileItem(FileItem item) const { return m_fileItems[static_cast<int>(item)]; }
    QAction* toolsItem(ToolsItem item) const { return m_toolsItems[static_cast<int>(item)]; }
    EditMenu& editMenu() const { return *m_editMenu; }
    // Screens of exactly 800 x 600 keep the editor maximised; larger ones never do.
    void setSmallScreen(bool small);
    // Closing by the program itself passes without questions.
    void closeByProgram();
    // The window's load: a fresh design, the first tab in front.
    void loadDesign();

Q_SIGNALS:
    // "Back to &Menu", once the unsaved changes are dealt with; the window then closes itself.
    void backToMenuRequested();
    void preferencesRequested();
    void aboutRequested();
    // The user confirmed quitting: the program is to end.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildHeader();
    QWidget* buildGeneralTab();
    QWidget* buildWeaponsTab();
    QWidget* buildExtraSystemsTab();
    QWidget* buildCommandButtons();
    FieldEdit* numberField(NumericField field);
    UpDown* upDown(NumericField field);
    QLabel* figureLabel(SystemLabel label, bool cost);
    QCheckBox* checkBox(CheckBox box, const QString& caption);
    // A fitted system's row: its caption and control, then its mass and points.
    void fittedRow(QGridLayout* grid, int& row, const ShipSystemRow& system, int captionSpan);
    QComboBox* choiceList(const QString& name, const QStringList& entries, void (ShipEditor::*choose)(int));

    void mirror();
    void mirrorMenus();

    // Handlers of the controls that need the window itself, named after the control; every
    // other control goes straight to its controller operation.
    void mnuFileItem_Click(FileItem item);
    void mnuToolsItem_Click(ToolsItem item);
    void mnuRecent_Click(int index);
    void cmdHangar_Click();
    void cmdAdd_Click();

    ShipEditor& m_editor;
    UserPrompts& m_prompts;
    DlgPrinter& m_printSetup;
    bool m_programClose = false;
    ScreenSizeRule* m_sizeRule = nullptr;

    std::array<FieldEdit*, kNumericFieldCount> m_numbers{};
    std::array<UpDown*, kNumericFieldCount> m_upDowns{};
    std::array<QLabel*, kSystemLabelCount> m_massLabels{};
    std::array<QLabel*, kSystemLabelCount> m_costLabels{};
    std::array<QCheckBox*, kCheckBoxCount> m_checks{};
    FieldEdit* m_name = nullptr;
    QComboBox* m_side = nullptr;
    QComboBox* m_class = nullptr;
    QComboBox* m_shipType = nullptr;
    QComboBox* m_hull = nullptr;
    QComboBox* m_streamlining = nullptr;
    QComboBox* m_ftl = nullptr;
    QLabel* m_towCapLabel = nullptr;
    QLabel* m_tmfUsed = nullptr;
    QLabel* m_tmfAvailable = nullptr;
    QLabel* m_npv = nullptr;
    QLabel* m_crew = nullptr;
    QLabel* m_hangarCount = nullptr;
    QLabel* m_lockGen = nullptr;
    QLabel* m_lockSys = nullptr;
    QButtonGroup* m_sensors = nullptr;
    QWidget* m_tabGen = nullptr;
    QWidget* m_tabSys = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_updateDisplay = nullptr;
    QPushButton* m_updateStats = nullptr;
    QPushButton* m_auto = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_addWeapon = nullptr;
    QPushButton* m_removeWeapon = nullptr;
    QPushButton* m_cancelRemove = nullptr;
    QPushButton* m_hangarButton = nullptr;
    QWidget* m_leftColumn = nullptr;
    QWidget* m_sheetScroll = nullptr;

    QList<QAction*> m_fileItems;
    QList<QAction*> m_toolsItems;
    RecentFilesMenu* m_recentMenu = nullptr;
    EditMenu* m_editMenu = nullptr;
    QAction* m_aboutItem = nullptr;
};

} // namespace kw
