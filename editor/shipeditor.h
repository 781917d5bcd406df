#pragma once

#include "common/changenotifier.h"
#include "common/undohistory.h"
#include "display/displaymodel.h"
#include "display/iconbuilder.h"
#include "editor/editorsnapshot.h"
#include "editor/editorstate.h"
#include "model/shiprecord.h"
#include "storage/filesaving.h"

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <functional>
#include <optional>

namespace kw {

class PagePrinter;
class RecentFiles;
class UserPrompts;
struct ShipFileData;
struct WeaponListRow;
enum class Alignment;

// The ship editor without its window: one design, the values the editor's fields hold, the
// figures it shows, its flags and every operation a user can start. The window mirrors this
// state and forwards its events here; the command-line tool and the tests drive it directly.
class ShipEditor : public ChangeNotifier {
    Q_OBJECT

public:
    ShipEditor(UserPrompts& prompts, const QString& programFolder, QObject* parent = nullptr);
    ~ShipEditor() override;

    // Collaborators.
    // The recent-file lists; opened and newly saved ships go to the head of the ships list.
    void setRecentFiles(RecentFiles* recent) { m_recent = recent; }
    RecentFiles* recentFiles() const { return m_recent; }
    // Called between the steps of Auto Calc so the window can process pending events.
    void setEventPump(std::function<void()> pump) { m_pump = std::move(pump); }
    UserPrompts& prompts() const { return m_prompts; }
    QString programFolder() const { return m_programFolder; }

    // State.
    // The design and its System Display, to look at; every change goes through an operation.
    const ShipRecord& ship() const { return m_ship; }
    const DisplayModel& display() const { return m_display; }
    const EditorFields& fields() const { return m_fields; }
    const EditorFigures& figures() const { return m_figures; }
    const EditorControls& controls() const { return m_controls; }
    bool ShipChanged() const { return m_shipChanged; }
    EditMode editMode() const { return m_editMode; }
    bool ShipDisplayed() const { return m_shipDisplayed; }
    bool SavedBefore() const { return m_savedBefore; }
    bool FormLoading() const { return m_formLoading; }
    bool Busy() const { return m_busy; }
    bool Ship_Locked() const { return m_locked; }
    QString loadedName() const { return m_loadedName; }
    QString loadedSide() const { return m_loadedSide; }
    // The construction-rule message of the last calculation that ran, if it broke a rule.
    std::optional<QString> lastWarning() const { return m_lastWarning; }
    // The File menu items that depend on the two flags.
    bool saveEnabled() const { return m_shipDisplayed && m_savedBefore; }
    bool saveAsEnabled() const { return m_shipDisplayed; }
    QString lockMenuCaption() const;
    QString lockNotice() const;

    // The window's load: a fresh design with the editor's defaults.
    void Load();

    // Undo and redo. Each user action that changes the design or its layout is one step; the
    // state from before it is kept once it has changed something. Steps nest: only the
    // outermost one counts, so the window can make a dialog session or a held arrow key one
    // step. Opening, a new design and locking forget every step; saving does not.
    class EditStep {
    public:
        EditStep(ShipEditor& editor, const QString& action) : m_editor(editor) { m_editor.beginStep(action); }
        ~EditStep() { m_editor.endStep(); }
        EditStep(const EditStep&) = delete;
        EditStep& operator=(const EditStep&) = delete;

    private:
        ShipEditor& m_editor;
    };
    void beginStep(const QString& action);
    void endStep();
    // Refused while locked, while Auto Calc runs, while removing or linking and within a step.
    bool undoAllowed() const;
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    QString undoAction() const { return m_history.undoAction(); }
    QString redoAction() const { return m_history.redoAction(); }
    std::size_t undoCount() const { return m_history.undoCount(); }
    void undo();
    void redo();
    // The whole state undo restores, as normal editing shows it.
    EditorSnapshot snapshot() const;

    // With the layout kept, a full update leaves the icons of systems and mounts still fitted
    // where they lie on the display; only new ones wait in the holding box.
    void setKeepLayout(bool keep) { m_keepLayout = keep; }
    bool keepLayout() const { return m_keepLayout; }

    // The one recalculation entry point; with redisplay the System Display is drawn afresh.
    void UpdateShip(bool redisplay);

    // Field events. leave... return false when the field refuses to let the focus go.
    void setFieldText(NumericField field, const QString& text);
    void setNameText(const QString& text);
    bool leaveField(NumericField field);
    bool leaveNameField();
    bool pressEnterInMassField();
    void changeUpDown(NumericField field, int value);
    void setCheck(CheckBox box, bool checked);
    void chooseSensors(int option);
    void chooseStreamlining(int index);
    void chooseFtl(int index);
    void chooseHull(int index);
    void chooseShipType(int index);
    void chooseClass(int index);
    void chooseSide(int index);
    // Takes the sides list afresh after the side names were edited, keeping the design's side.
    void reloadSides();
    void setShip_Locked(bool locked);

    // Files. OpenShip returns whether a ship was read; SaveShip whether the save was abandoned.
    bool OpenShip(const QString& path);
    bool SaveShip(bool saveAs);
    void SaveAs();
    // "Do you want to Save changes to the current ship?" when changed; true to go on.
    bool resolveUnsavedChanges();
    // The close confirmation; true when the program may end.
    bool confirmQuit();

    // The record sheet picture ("Save Ship Picture"). Without a target SavePic asks where and
    // reports the save; with one (printing, the fleet's ship pictures) it writes there without
    // a word. Returns whether a file was written.
    bool SavePic(const std::optional<QString>& target = std::nullopt);
    std::optional<QImage> composeSheet();

    // Printing the record sheet ("&Print Ship Diagram"): the print setup is asked first; the
    // picture goes through a scratch file in the program folder. Returns whether it printed.
    bool PrintShip(PagePrinter& printer);

    // Weapons: the grouped list of the Weapons tab, adding mounts from the Add Weapon dialog,
    // and removal by clicking a row's weapon name (EditMode 1).
    QList<WeaponListRow> weaponListRows() const;
    void addWeapons(const QList<WeaponEntry>& mounts);
    void beginRemoveWeapon();
    void chooseWeaponRow(int row);
    void cancelRemoveWeapon();

    // Hangar bays (from 0), as the hangar editor changes them; each shows the new bay count and
    // marks the design changed. Capacities below 1 are refused.
    void addHangarBay(int capacity);
    void changeHangarBay(int bay, int capacity);
    void removeHangarBay(int bay);

    // Salvo links (EditMode 2): start a link, choose its ends by clicking icons, cancel it.
    void startLink();
    void cancelLink();
    void chooseLinkEnd(int iconIndex);
    // The lines of finished links whose two icons both lie on the display.
    QList<QLineF> shownLinkLines() const;
    // What an icon stands for, as its tooltip names it: the system (which of how many, a box's
    // share, a bay's capacity) or the weapon mount's kind, details and arcs.
    QString iconDescription(int iconIndex) const;

    // Placement on the System Display. The views turn mouse and keys into these.
    bool canDragIcons() const;
    void clickIcon(int iconIndex, bool shift);
    void pressDisplayBackground();
    void finishBand(QPointF from, QPointF to, bool dragged);
    void dropIconOnDisplay(int iconIndex, QPointF at, QPointF grab);
    void dropIconOnIcon(int iconIndex, int targetIndex, QPointF atInTarget, QPointF grab);
    void dropIconInHoldingBox(int iconIndex, QPointF at, QPointF grab);
    void nudgeSelection(int key);   // Qt::Key_Left/Right/Up/Down: one pixel
    void align(Alignment alignment);
    // "Alignment Options" opens only for two or more selected icons in normal editing.
    bool alignmentMenuAvailable() const;
    void scrollHoldingBox(int value);

    // Automatic mass search.
    void AutoCalc();
    void StopCalc();
    static constexpr int kMaxAutoCalcSteps = 10000;

    // The systems the fields fit, as the calculation and a full update read them.
    FittedSystems fittedSystems() const;
    // Whether there is exactly one icon for every system and mount of the design.
    bool iconsMatchDesign() const;
    // The design as the ship file stores it, and writing it without asking anything.
    ShipFileData fileData(bool lock) const;
    bool exportShipFile(const QString& path, bool lock, QString* error,
                        ReadOnlyFile readOnly = ReadOnlyFile::Refuse) const;

Q_SIGNALS:
    // A ship was opened: the window brings its first tab to the front.
    void shipOpened();
    // Removing a weapon starts: the window brings the Weapons tab to the front.
    void weaponsTabRequested();

private:
    double fieldValue(NumericField field) const;
    qint64 fieldWhole(NumericField field) const;
    void setFieldNumber(NumericField field, qint64 value);
    // The field check without its recalculation: the text corrected, a refusal told.
    bool checkField(NumericField field);
    double crewShown() const;
    void resetFields();
    void reselectClass();
    SystemInputs calculationInputs() const;
    void calculateFigures(const SystemInputs& in, qint64& used, qint64& points);
    void DisplayShip();
    void cancelPendingModes();
    void applyShipFile(const ShipFileData& data, const QString& path);
    void placeStoredIcons(const ShipFileData& data);
    void baysChanged();
    bool writeShipTo(const QString& path, bool lock, ReadOnlyFile readOnly);
    bool checkSavable();
    // Saving, exporting and printing the record sheet all need one icon for every system and
    // mount of the design, each placed; otherwise this tells what to do and gives false.
    bool checkSheetReady();
    std::optional<QString> chooseSaveTarget(bool& bySide);
    // The folder of the design's side for saving by side; nothing (after telling why) when the
    // side cannot name a folder below Ships. The folder is not made here.
    std::optional<QString> sideTargetFolder();
    bool makeSideFolder(const QString& file);
    std::optional<QString> choosePictureTarget(bool& bySide);
    // Undo's half of typing: the state before the first keystroke in a field, until the field
    // is left or another action starts.
    void noteTyping(const QString& action);
    void restore(EditorSnapshot state);
    void clearHistory();
    // The design's side chosen by name in the current sides list, which it joins when missing.
    void keepSide(const QString& side, bool hadSide);
    bool moreLinksPossible() const;

    UserPrompts& m_prompts;
    QString m_programFolder;
    RecentFiles* m_recent = nullptr;
    std::function<void()> m_pump;

    ShipRecord m_ship;
    DisplayModel m_display;
    EditorFields m_fields;
    EditorFigures m_figures;
    EditorControls m_controls;
    bool m_shipChanged = false;
    EditMode m_editMode = EditMode::Normal;
    bool m_shipDisplayed = false;
    bool m_savedBefore = false;
    bool m_formLoading = false;
    bool m_busy = false;
    bool m_locked = false;
    QString m_loadedName;
    QString m_loadedSide;
    std::optional<QString> m_lastWarning;
    quint64 m_designGeneration = 0;   // counts the designs this editor has held

    UndoHistory<EditorSnapshot> m_history;
    int m_stepDepth = 0;
    QString m_stepAction;
    std::optional<EditorSnapshot> m_stepBefore;
    quint64 m_historyEpoch = 0;       // counts the clearings, so a step across one is not kept
    quint64 m_stepEpoch = 0;
    std::optional<std::pair<QString, EditorSnapshot>> m_typing;
    mutable QList<IconFace> m_iconFaces;
    bool m_keepLayout = false;
};

} // namespace kw
