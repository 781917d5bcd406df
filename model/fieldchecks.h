#pragma once

#include <QString>
#include <optional>

namespace kw {

// The editor's numeric fields, named after their controls.
enum class NumericField { TMF, MD, FTL, Hull, FCS, Armour, Screens, PDS, ADFC, Fighters, Cargo, Passenger, DCP };
constexpr int kNumericFieldCount = 13;

struct NumericFieldRule {
    NumericField field;
    const char* objectName;        // "txtTMF", ...
    qint64 lower;
    qint64 upper;
    qint64 reset;                  // value put in the field when its text is not a number
    QString message;               // shown when the text is not a number
    bool recalcAfterRefusal;       // whether the reset value is recalculated at once
    const char* upDownName;        // the up-down control beside the field, or nullptr
};

const NumericFieldRule& numericFieldRule(NumericField field);

struct FieldCheckOutcome {
    QString text;                  // what the field holds afterwards
    bool accepted = true;          // false: the message is shown and the focus stays
    std::optional<QString> message;
};

// Checks a field's text when the user leaves it: trimmed, rounded halves up, clamped silently
// to the field's range; a text that is not a number is replaced by the reset value and refused.
// The hull rating's lower bound and reset value are the larger of 1 and the crew shown.
FieldCheckOutcome checkNumericField(NumericField field, const QString& text, double crewShown);

// Ship and side names become file and folder names.
bool isValidName(const QString& trimmedName);
QString invalidShipNameMessage();
QString invalidSideNameMessage();

} // namespace kw
