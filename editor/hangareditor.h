#pragma once

#include "common/changenotifier.h"

#include <QList>
#include <QString>

namespace kw {

class ShipEditor;
struct ShipRecord;
class UserPrompts;

enum class HangarEditMode { Idle = 0, Adding = 1, Modifying = 2, Removing = 3 };

// The button the Escape key presses in the hangar window, if any.
enum class HangarCancelButton { None, AddEdit, Modify, Remove };

// Where the window should put the keyboard focus after an operation.
enum class HangarFocus { None, Capacity, Add };

// One row of the bay list as the window shows it.
struct HangarRow {
    QString bay;
    QString capacity;
    QString points;
    QString mass;
};

// The scroll rule of the bay list: ten rows fit, every further row adds one step.
struct HangarScroll {
    int maximum = 0;            // the range is 0 to maximum
    double panelHeight = 0;     // the scrolling panel's height, in the units of the inputs
};
// Twips between the bottom of one row and the top of the next.
inline constexpr double kHangarRowGap = 100;
inline constexpr int kHangarVisibleRows = 10;
HangarScroll hangarScroll(int rowCount, double rowHeight, double viewportHeight);
double hangarRowTop(int row, double rowHeight);
double hangarPanelTop(int scrollValue, double rowHeight);

// The hangar editor without its window: the bays of the editor's design, the two linked edit
// fields and the add / modify / remove modes. Every completed change goes to the ship editor at
// once, so closing the window needs nothing from here.
class HangarEditor : public ChangeNotifier {
    Q_OBJECT

public:
    // The window's load.
    explicit HangarEditor(ShipEditor& editor);

    // State.
    HangarEditMode editMode() const { return m_mode; }
    int EditedBay() const { return m_editedBay; }
    bool Converting() const { return m_converting; }
    QList<HangarRow> rows() const;
    int rowCount() const;
    QString capacityText() const { return m_capacity; }
    QString massText() const { return m_mass; }
    QString pointsText() const { return m_points; }
    int capacityCaret() const { return m_capacityCaret; }
    int massCaret() const { return m_massCaret; }
    QString totalMass() const { return m_totalMass; }
    QString totalPoints() const { return m_totalPoints; }
    QString totalSpace() const { return m_totalSpace; }
    bool mainButtonsEnabled() const { return m_mode == HangarEditMode::Idle; }   // Add, Okay, Modify, Remove
    bool addFrameVisible() const { return m_addFrameVisible; }
    bool cancelModifyVisible() const { return m_cancelModifyVisible; }
    bool cancelRemoveVisible() const { return m_cancelRemoveVisible; }
    HangarCancelButton escapeButton() const;
    // The focus the last operation asks for; reading it clears it.
    HangarFocus takeFocusRequest();

    // The two edit fields: the text after a keystroke and the caret in it.
    void typeCapacity(const QString& text, int caret);
    void typeMass(const QString& text, int caret);

    // Buttons and clicks on a row's bay number (rows from 0).
    void add();
    void done();
    void cancelAddEdit();
    void modify();
    void cancelModify();
    void remove();
    void cancelRemove();
    void clickBay(int row);

    // The largest capacity a bay can store.
    static constexpr int kMaxCapacity = 32767;

private:
    void setCapacityDerived(const QString& text);
    void setMassDerived(const QString& text);
    void completeEdit();
    void recomputeTotals();
    void backToIdle();

    ShipEditor& m_editor;
    const ShipRecord& m_ship;
    UserPrompts& m_prompts;
    HangarEditMode m_mode = HangarEditMode::Idle;
    int m_editedBay = 0;
    bool m_converting = false;
    QString m_capacity = QStringLiteral("0");
    QString m_mass = QStringLiteral("0");
    QString m_points = QStringLiteral("0");
    int m_capacityCaret = 1;
    int m_massCaret = 1;
    QString m_totalMass;
    QString m_totalPoints;
    QString m_totalSpace;
    bool m_addFrameVisible = false;
    bool m_cancelModifyVisible = false;
    bool m_cancelRemoveVisible = false;
    HangarFocus m_focus = HangarFocus::None;
};

} // namespace kw
