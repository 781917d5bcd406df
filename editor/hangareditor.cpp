#include "editor/hangareditor.h"

#include "common/userprompts.h"
#include "editor/shipeditor.h"
#include "model/numbertext.h"
#include "model/rounding.h"
#include "model/shiprecord.h"
#include "model/systemcosts.h"

namespace kw {

namespace {

const QString kCapacityMessage = QStringLiteral("The hangar's capacity must be greater than 0.");

// The largest mass the capacity field converts to; the capacity becomes what that mass holds.
constexpr qint64 kMaxFieldMass = 999;

struct DigitText {
    QString text;
    int caret = 0;
};

// Drops everything but the digits 0-9; the caret stays behind the same digit it followed.
DigitText digitsOnly(const QString& text, int caret)
{
    caret = qBound(0, caret, static_cast<int>(text.size()));
    DigitText result;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        result.text += c;
        if (i < caret)
            ++result.caret;
    }
    return result;
}

// A field's value; an empty field counts as 0. A digit string too long for a double is held at
// a huge but finite value so that the figures derived from it stay numbers.
double fieldValue(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return parseNumber(text).value_or(1e300);
}

int caretAtEnd(const QString& text)
{
    return static_cast<int>(text.size());
}

} // namespace

HangarScroll hangarScroll(int rowCount, double rowHeight, double viewportHeight)
{
    const int beyond = rowCount - kHangarVisibleRows;
    if (beyond <= 0)
        return {0, viewportHeight};
    return {beyond, (rowHeight + kHangarRowGap) * beyond + viewportHeight};
}

double hangarRowTop(int row, double rowHeight)
{
    return row * (rowHeight + kHangarRowGap);
}

double hangarPanelTop(int scrollValue, double rowHeight)
{
    return -scrollValue * (rowHeight + kHangarRowGap);
}

HangarEditor::HangarEditor(ShipEditor& editor) : m_editor(editor), m_ship(editor.ship()), m_prompts(editor.prompts())
{
}

int HangarEditor::rowCount() const
{
    return m_ship.HangarCount();
}

QList<HangarRow> HangarEditor::rows() const
{
    // Every row shows the bay as stored, so a bay reads the same whether it was just edited or
    // the window was opened afresh.
    QList<HangarRow> list;
    list.reserve(m_ship.Hangars.size());
    for (int k = 0; k < m_ship.Hangars.size(); ++k) {
        const int capacity = m_ship.Hangars[k];
        const double mass = hangarBayMass(capacity);
        list.append({QString::number(k + 1), QString::number(capacity), formatNumber(hangarBayPoints(mass)),
                      formatNumber(mass)});
    }
    return list;
}

HangarCancelButton HangarEditor::escapeButton() const
{
    if (m_addFrameVisible)
        return HangarCancelButton::AddEdit;
    if (m_cancelModifyVisible)
        return HangarCancelButton::Modify;
    if (m_cancelRemoveVisible)
        return HangarCancelButton::Remove;
    return HangarCancelButton::None;
}

HangarFocus HangarEditor::takeFocusRequest()
{
    const HangarFocus focus = m_focus;
    m_focus = HangarFocus::None;
    return focus;
}

void HangarEditor::setCapacityDerived(const QString& text)
{
    m_capacity = text;
    m_capacityCaret = caretAtEnd(text);
}

void HangarEditor::setMassDerived(const QString& text)
{
    m_mass = text;
    m_massCaret = caretAtEnd(text);
}

void HangarEditor::typeCapacity(const QString& text, int caret)
{
    ChangeScope scope(*this);
    if (m_converting)
        return;
    m_converting = true;
    const DigitText digits = digitsOnly(text, caret);
    m_capacity = digits.text;
    m_capacityCaret = digits.caret;
    if (!m_capacity.isEmpty()) {
        const qint64 mass = roundHalfEven(hangarBayMass(fieldValue(m_capacity)));
        if (mass > kMaxFieldMass) {
            setMassDerived(QString::number(kMaxFieldMass));
            setCapacityDerived(formatNumber(hangarBayCapacity(kMaxFieldMass)));
        } else {
            setMassDerived(QString::number(mass));
        }
    }
    m_points = formatNumber(hangarBayPoints(fieldValue(m_mass)));
    m_converting = false;
}

void HangarEditor::typeMass(const QString& text, int caret)
{
    ChangeScope scope(*this);
    if (m_converting)
        return;
    m_converting = true;
    const DigitText digits = digitsOnly(text, caret);
    m_mass = digits.text;
    m_massCaret = digits.caret;
    if (!m_mass.isEmpty()) {
        const double mass = fieldValue(m_mass);
        setCapacityDerived(formatNumber(hangarBayCapacity(mass)));
        m_points = formatNumber(hangarBayPoints(mass));
    }
    m_converting = false;
}

void HangarEditor::add()
{
    ChangeScope scope(*this);
    if (m_mode != HangarEditMode::Idle)
        return;
    m_mode = HangarEditMode::Adding;
    m_editedBay = m_ship.HangarCount();
    m_addFrameVisible = true;
    m_focus = HangarFocus::Capacity;
}

void HangarEditor::done()
{
    ChangeScope scope(*this);
    if (!m_addFrameVisible || (m_mode != HangarEditMode::Adding && m_mode != HangarEditMode::Modifying))
        return;
    const double value = fieldValue(m_capacity);
    const qint64 capacity = roundHalfEven(value);
    // The bay is stored as a 16-bit whole number of at least 1.
    if (value <= 0 || capacity < 1 || capacity > kMaxCapacity) {
        m_prompts.tell(kCapacityMessage);
        return;
    }
    if (m_mode == HangarEditMode::Adding) {
        m_editor.addHangarBay(static_cast<int>(capacity));
        m_editedBay = m_ship.HangarCount() - 1;
    } else if (m_editedBay >= 0 && m_editedBay < m_ship.HangarCount()) {
        m_editor.changeHangarBay(m_editedBay, static_cast<int>(capacity));
    } else {
        return;
    }
    completeEdit();
}

void HangarEditor::completeEdit()
{
    setMassDerived(QStringLiteral("0"));
    m_points = QStringLiteral("0");
    setCapacityDerived(QStringLiteral("0"));
    recomputeTotals();
    backToIdle();
}

void HangarEditor::recomputeTotals()
{
    // Each running sum becomes a whole number after every bay, halves to the even neighbour,
    // as the design's own totals are kept.
    qint64 mass = 0;
    qint64 points = 0;
    qint64 space = 0;
    for (int capacity : m_ship.Hangars) {
        const double bayMass = hangarBayMass(capacity);
        mass = roundHalfEven(static_cast<double>(mass) + bayMass);
        points = roundHalfEven(static_cast<double>(points) + hangarBayPoints(bayMass));
        space = roundHalfEven(static_cast<double>(space) + capacity);
    }
    m_totalMass = QString::number(mass);
    m_totalPoints = QString::number(points);
    m_totalSpace = QString::number(space);
}

void HangarEditor::backToIdle()
{
    m_mode = HangarEditMode::Idle;
    m_addFrameVisible = false;
    m_cancelModifyVisible = false;
    m_cancelRemoveVisible = false;
    m_focus = HangarFocus::Add;
}

void HangarEditor::cancelAddEdit()
{
    ChangeScope scope(*this);
    if (!m_addFrameVisible)
        return;
    typeMass(QStringLiteral("0"), 1);
    backToIdle();
}

void HangarEditor::modify()
{
    ChangeScope scope(*this);
    if (m_mode != HangarEditMode::Idle || m_ship.HangarCount() < 1)
        return;
    if (m_prompts.ask({QStringLiteral("Select the bay to modify by clicking on it's number."), kAppTitle,
                       PromptButtons::OkCancel})
        != PromptAnswer::Ok)
        return;
    m_mode = HangarEditMode::Modifying;
    m_cancelModifyVisible = true;
}

void HangarEditor::cancelModify()
{
    ChangeScope scope(*this);
    if (!m_cancelModifyVisible)
        return;
    backToIdle();
    m_focus = HangarFocus::None;
}

void HangarEditor::remove()
{
    ChangeScope scope(*this);
    if (m_mode != HangarEditMode::Idle || m_ship.HangarCount() < 1)
        return;
    if (m_prompts.ask({QStringLiteral("Click on the bay number to remove that bay."), kAppTitle, PromptButtons::OkCancel})
        != PromptAnswer::Ok)
        return;
    m_mode = HangarEditMode::Removing;
    m_cancelRemoveVisible = true;
}

void HangarEditor::cancelRemove()
{
    ChangeScope scope(*this);
    if (!m_cancelRemoveVisible)
        return;
    backToIdle();
    m_focus = HangarFocus::None;
}

void HangarEditor::clickBay(int row)
{
    ChangeScope scope(*this);
    if (row < 0 || row >= m_ship.HangarCount())
        return;
    m_cancelModifyVisible = false;
    m_cancelRemoveVisible = false;
    if (m_mode == HangarEditMode::Modifying) {
        const HangarRow bay = rows().at(row);
        m_editedBay = row;
        typeMass(bay.mass, caretAtEnd(bay.mass));
        typeCapacity(bay.capacity, caretAtEnd(bay.capacity));
        m_points = bay.points;
        m_addFrameVisible = true;
        m_focus = HangarFocus::Capacity;
    } else if (m_mode == HangarEditMode::Removing) {
        const PromptAnswer answer = m_prompts.ask(
            {QStringLiteral("Remove bay ") + QString::number(row + 1), kAppTitle, PromptButtons::YesNo});
        if (answer == PromptAnswer::Yes) {
            m_editor.removeHangarBay(row);
            // Totals left from before would still count the removed bay.
            if (!m_totalMass.isEmpty())
                recomputeTotals();
        }
        backToIdle();
    }
}

} // namespace kw
