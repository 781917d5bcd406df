#pragma once

#include "common/changenotifier.h"
#include "common/pageprinter.h"
#include "common/recentfiles.h"
#include "common/undohistory.h"
#include "fleet/fleetcard.h"
#include "fleet/fleetsheets.h"
#include "fleet/fleetstate.h"
#include "storage/fleetship.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

namespace kw {

class PagePrinter;
class ShipPictures;
class UserPrompts;

enum class FleetLimit { Mass, Points, Ships };
// What letting a dragged card go at a place would do: land it there, make the short move of a
// drop on its own picture, or leave it where it was.
enum class DropTarget { Page, DraggedCard, Elsewhere };

// The Fleet Organizer without its window: one fleet (its ships, cards, list and limits), the
// side browser, the page's selection, dragging and description window, and every operation of
// the window's buttons and menus. The window mirrors this state and forwards its events here;
// the command-line tool and the tests drive it directly. Positions are twips on the page
// (picArea), 15 to a pixel.
class FleetOrganizer : public ChangeNotifier {
    Q_OBJECT

public:
    // Card pictures made for the fleet are kept in pictureFolder, a folder that lives only as
    // long as the run (the program's scratch folder of this run); empty keeps none.
    FleetOrganizer(UserPrompts& prompts, const QString& programFolder, const QString& pictureFolder,
                   QObject* parent = nullptr);
    ~FleetOrganizer() override;

    // Opened and saved fleets go to the head of the recent fleets list.
    void setRecentFiles(RecentFiles* recent) { m_recent = recent; }
    const RecentFiles* recentFiles() const { return m_recent; }
    QString programFolder() const { return m_programFolder; }

    // The fleet.
    bool FleetChanged() const { return m_fleetChanged; }
    bool SaveEnabled() const { return m_saveEnabled; } // "&Save Fleet"
    bool HasShips() const { return m_fleet.hasShips; } // "Save &As", "Save Fleet Picture", "&Print Fleet"
    bool SaveAbandoned() const { return m_saveAbandoned; }
    const QList<FleetShip>& FleetShips() const { return m_fleet.ships; } // ship k at k - 1
    int ShipCount() const { return static_cast<int>(m_fleet.ships.size()); }
    qint64 FleetMass() const { return m_fleet.fleetMass; }
    qint64 FleetPoints() const { return m_fleet.fleetPoints; }
    int MassLimit() const { return limit(FleetLimit::Mass); }
    int PointsLimit() const { return limit(FleetLimit::Points); }
    int ShipLimit() const { return limit(FleetLimit::Ships); }
    int limit(FleetLimit which) const { return m_fleet.limits[index(which)]; }
    int GrabX() const { return m_grabX; }
    int GrabY() const { return m_grabY; }
    // The file the fleet was last opened from or saved to; empty for a new fleet.
    QString fleetPath() const { return m_fleetPath; }
    // Why the last OpenFleet stopped reading ("Error in Fleet File." or a file that could not be
    // read); nothing when it read to the end.
    std::optional<QString> readingError() const { return m_readingError; }

    // Cards 1..ShipCount and the fleet list.
    const QList<FleetCard>& cards() const { return m_fleet.cards; }
    const FleetCard& card(int k) const { return m_fleet.cards[k - 1]; }
    const QList<FleetListEntry>& fleetList() const { return m_fleet.fleetList; }
    int selectedFleetEntry() const { return m_selectedFleetEntry; } // -1: none

    // The statistics block: the limit boxes (txtMass, txtPoints, txtShips) and the labels of the
    // rows Current (lblCMass...) and Left (lblAMass...).
    QString limitText(FleetLimit which) const { return m_fleet.limitTexts[index(which)]; }
    QString currentText(FleetLimit which) const { return m_fleet.currentTexts[index(which)]; }
    QString leftText(FleetLimit which) const { return m_fleet.leftTexts[index(which)]; }

    // The side browser: cmbSide, lstAdd and the folder its files come from.
    const QStringList& sides() const { return m_sides; }
    int sideIndex() const { return m_sideIndex; }
    const QStringList& addList() const { return m_addLabels; }
    int selectedAddEntry() const { return m_selectedAddEntry; }
    QString addFolder() const { return m_addFolder; }

    // The page: the selection rectangle shpSelect (pixels; its tag is the selected card or -1)
    // and the scroll bars (millimetres, 0 to 67 and 0 to 64).
    int selectTag() const { return m_selectTag; }
    bool selectionVisible() const { return m_selectionVisible; }
    QRect selectionRect() const { return m_selectionRect; }
    int hScroll() const { return m_hScroll; }
    int vScroll() const { return m_vScroll; }
    // How far the bars reach: 67 and 64 as designed; a window that shows the page larger lets
    // them reach further. Values beyond a new reach come back within it.
    void setScrollReach(int horizontal, int vertical);
    int hScrollReach() const { return m_hScrollReach; }
    int vScrollReach() const { return m_vScrollReach; }
    // The card being dragged (its strip is hidden meanwhile), or 0.
    int draggedCard() const { return m_draggedCard; }
    // The card whose description window is shown, or 0; where the window's top-left corner
    // lies, in twips from the page's top-left corner (the window adds the page's place on
    // screen).
    int describedCard() const { return m_describedCard; }
    QPointF descriptionPlace() const { return m_descriptionPlace; }

    // The recent fleets submenu.
    RecentMenu recentMenu() const;

    // Undo and redo. Each edit of the fleet is one step: adding or removing a ship, a drag that
    // moves a card, and each text of a card's box or a limit box once it is committed. The steps
    // last until the fleet is replaced by a new or an opened one; saving keeps them. Taking a
    // step back or forward clears the selection; the fleet then counts as changed unless it is
    // the fleet as last opened or saved.
    const FleetState& fleetState() const { return m_fleet; }
    // The step Undo would take back or Redo repeat ("Add Ship"...); empty when there is none.
    QString undoAction() const;
    QString redoAction() const;
    void Undo();
    void Redo();
    // What is being typed into a box becomes one step when the user leaves the box or presses
    // Enter (the window calls this), or when any other step or undo comes first.
    void commitTyping();

    // The window's load: the sides and the first side's ships, an empty fleet without limits.
    void Load();

    // The side browser.
    void chooseSide(int index);
    void chooseAddEntry(int index); // -1: nothing selected
    // "Add >>" (also a double-click or Enter in lstAdd).
    void AddFromSide();
    // "Open Other".
    void OpenOther();
    // "<< Remove" (also a double-click or Enter in lstFleet, and Delete in the window).
    void Remove();
    // The ship of the given file joins the fleet with a new card and the given list entry. False,
    // after telling why, when the file cannot be read; nothing is then added.
    bool OpenShip(const QString& path, const QString& listLabel);

    // The fleet list and the page.
    void chooseFleetEntry(int index); // a click: selects the ship and scrolls to its card
    void clickPage();                 // hides the selection
    void setScroll(int horizontal, int vertical);
    // The pointer moves over card k at a place inside it; with the left button down a drag of
    // the card starts (returns true: the window starts dragging).
    bool moveOverCard(int k, QPointF pointer, bool leftButton);
    void dropOnPage(QPointF at);
    void dropOnCard(int k, QPointF pointer); // the pointer inside card k
    void endDragElsewhere();                 // dropped outside the page, or cancelled
    // The dragged card let go at a place on the page: on the page itself it lands there, on its
    // own picture it makes the short move, on another card or strip, or off the page, it stays.
    DropTarget dropTarget(QPointF at) const;
    void dropAt(QPointF at);
    // A button released over card k.
    void releaseOnCard(int k, bool rightButton);
    // The right button pressed on card k: its description is shown beside the pointer.
    void pressRightOnCard(int k, QPointF pointer);

    // The card's texts as typed: commas are refused in the ID and the name, which may not grow
    // past 2 and 11 typed characters. Each returns the text the box then holds.
    QString typeCardId(int k, const QString& text);
    QString typeCardName(int k, const QString& text);
    QString typeCardNotes(int k, const QString& text);

    // The limit boxes: typing (at most four characters), then leaving the box enters the limit.
    QString typeLimitText(FleetLimit which, const QString& text);
    void leaveLimit(FleetLimit which);
    // A limit entered as a whole text, as the command line gives it.
    void enterLimit(FleetLimit which, const QString& text);
    void updatestats();

    // Files. OpenFleet returns whether a fleet file was read (perhaps only in part); SaveFleet
    // whether it was written.
    bool OpenFleet(const QString& path);
    bool SaveFleet();
    void SaveAs();
    // The menus: each returns false when the user kept the current fleet.
    bool NewFleet();
    bool Open();
    bool OpenRecent(int index); // index 0..4
    // "Back to &Menu": true when the window may go back to the main menu.
    bool BackToMenu();
    // The user closes the window: true when the program is to end.
    bool confirmClose();
    // "E&xit Program": true when the program may end. Ending loses the fleet, so unsaved
    // changes are asked about first.
    bool confirmExit();

    // The roster and the orders sheet.
    FleetSheets composeSheets() const;
    // "&Print Fleet": print setup first, then both pages, landscape. Returns whether it printed.
    bool PrintFleet(PagePrinter& printer);
    // "Save Fleet Picture": the roster and "... Orders Sheet" as two bitmaps or PNGs, or both
    // as the pages of one PDF, as the chosen name's extension says.
    bool SaveFleetPicture();
    // Both pages in the format the path's extension names: for a bitmap or a PNG the roster
    // as the path and the orders sheet beside it, for a PDF the two pages as PrintFleet prints
    // them. False with the reason when something was not written.
    bool writeFleetPictures(const QString& path, QString* error) const;
    // The document "&Print Fleet" prints.
    PrintDocument printDocument() const;
    // The name of the document: the fleet file's name, or "New Fleet".
    QString documentName() const;
    // Where the file dialogs start: the folder of the fleet's file, else the program folder.
    QString dialogFolder() const;

private:
    static int index(FleetLimit which) { return static_cast<int>(which); }
    void resetFleet();
    // Adds the ship of a file with its card and list entry; the message that refuses it.
    std::optional<QString> appendShip(const QString& path, const QString& listLabel);
    void fillAddList();
    bool limitTestPasses(const QString& secondLine);
    int cardOfEntry(int entry) const;
    void selectCardRectangle(int k);
    void hideSelection();
    void setChanged() { m_fleetChanged = true; }
    void markUnchanged();
    // The fleet as a step begins from it.
    FleetState stepStart() const;
    // A step of the user's: `before` is the fleet as it was before the step began.
    void recordStep(const QString& action, FleetState before);
    // Typing into one box (a card's k, or 0 for a limit) goes on, or begins with the fleet as
    // it is now.
    void beginTyping(const QString& action, int card);
    void commitTypingAt(const FleetState& reached);
    bool typingChangedFleet() const;
    // Undo (back) or redo: the fleet as the step kept it, the current one kept the other way.
    void takeStep(bool back);
    // Asks whether to save the fleet first: true to go on (No, or Yes and saved).
    bool answerSaveQuestion(const QString& question);
    bool resolveUnsavedChanges(const QString& question);
    QString typedCardText(const QString& action, QString FleetCard::*text, int k, QString typed, int typedLength,
                          bool commas);

    UserPrompts& m_prompts;
    QString m_programFolder;
    std::unique_ptr<ShipPictures> m_pictures;
    RecentFiles* m_recent = nullptr;

    bool m_fleetChanged = false;
    bool m_saveEnabled = false;
    bool m_saveAbandoned = false;
    FleetState m_fleet;
    FleetState m_savedFleet; // as last opened or saved
    UndoHistory<FleetState> m_history;
    struct Typing {
        QString action;
        int card = 0;
        FleetState before;
    };
    std::optional<Typing> m_typing;
    int m_selectedFleetEntry = -1;
    int m_grabX = 0;
    int m_grabY = 0;
    QString m_fleetPath;
    std::optional<QString> m_readingError;

    QStringList m_sides;
    int m_sideIndex = -1;
    QString m_addFolder;
    QStringList m_addFiles;  // flbAdd
    QStringList m_addLabels; // lstAdd
    int m_selectedAddEntry = -1;

    int m_selectTag = -1;
    bool m_selectionVisible = false;
    QRect m_selectionRect;
    int m_hScroll = 0;
    int m_vScroll = 0;
    int m_hScrollReach = FleetDesign::hScrollMax;
    int m_vScrollReach = FleetDesign::vScrollMax;
    int m_draggedCard = 0;
    int m_describedCard = 0;
    QPointF m_descriptionPlace;
};

} // namespace kw
