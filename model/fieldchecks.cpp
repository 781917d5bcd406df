#include "model/fieldchecks.h"

#include "model/numbertext.h"
#include "model/rounding.h"

#include <limits>

namespace kw {

namespace {

QString twoLines(const char* first, const char* second)
{
    return QString::fromLatin1(first) + QStringLiteral("\r\n") + QString::fromLatin1(second);
}

// The mass has no upper bound of its own (the hull caps it); this only keeps it in 32 bits.
constexpr qint64 kMassLimit = std::numeric_limits<qint32>::max();

const NumericFieldRule* rules()
{
    static const NumericFieldRule table[kNumericFieldCount] = {
        {NumericField::TMF, "txtTMF", 3, kMassLimit, 3,
         QStringLiteral("TMF must be an Integer Value >= 3"), false, nullptr},
        {NumericField::MD, "txtMD", 0, 16, 0,
         QStringLiteral("Main Drive rating must be an integer from 0 to 20"), false, "udcMD"},
        {NumericField::FTL, "txtFTL", 3, 500, 3,
         twoLines("The tow capacity (TMF) must be greater than 3 (the smallest possible ship)",
                  "and less than 500."), false, "udcTowCap"},
        {NumericField::Hull, "txtHull", 1, 132, 1,
         twoLines("The hull rating must be an integer between 1 or the number of crew",
                  "(which ever is greatest) and 132."), false, nullptr},
        {NumericField::FCS, "txtFCS", 0, 50, 0,
         twoLines("The number of fire controls must be an integer greater than or equal to",
                  "0 and less than or equal to 50."), true, "udcFCS"},
        {NumericField::Armour, "txtArmour", 0, 33, 0,
         twoLines("The armour factor must be an integer greater than or equal to",
                  "0 and less than or equal to 33."), true, "udcArmour"},
        {NumericField::Screens, "txtScreens", 0, 5, 0,
         twoLines("The number of screen generators must be an integer greater than or",
                  "equal to 0 and less than or equal to 5."), true, "udcScreens"},
        {NumericField::PDS, "txtPDS", 0, 100, 0,
         twoLines("The number of Point Defence Systems must be an integer greater than or",
                  "equal to 0 and less than or equal to 100."), true, "udcPDS"},
        {NumericField::ADFC, "txtADFC", 0, 50, 0,
         twoLines("The number of Area Defence Fire Controls must be an integer greater",
                  "than or equal to 0 and less than or equal to 50."), true, "udcADFC"},
        {NumericField::Fighters, "txtFighters", 0, 50, 0,
         twoLines("The number of fighter bays must be an integer greater than or",
                  "equal to 0 and less than or equal to 50."), true, "udcFighters"},
        {NumericField::Cargo, "txtCargo", 0, 1000, 0,
         twoLines("The Cargo bay space must be an integer greater than or",
                  "equal to 0 and less than or equal to 1000."), true, "udcCargo"},
        {NumericField::Passenger, "txtPassenger", 0, 1000, 0,
         twoLines("The Passenger bay space must be an integer greater than or",
                  "equal to 0 and less than or equal to 1000."), true, "udcPassenger"},
        {NumericField::DCP, "txtDCP", 0, 100, 0,
         twoLines("The number of Damage Control Parties must be an integer greater than or",
                  "equal to 0 and less than or equal to 100."), true, "udcDCP"},
    };
    return table;
}

const QString kForbiddenNameCharacters = QStringLiteral("\\/:*?\"<>|");

QString invalidNameMessage(const char* firstLine)
{
    return QString::fromLatin1(firstLine) + QStringLiteral("\r\n")
           + QStringLiteral("the ship class that doesn't contain any of the chararacters:\r\n")
           + QStringLiteral("\t\t          ") + kForbiddenNameCharacters;
}

} // namespace

const NumericFieldRule& numericFieldRule(NumericField field)
{
    return rules()[static_cast<int>(field)];
}

FieldCheckOutcome checkNumericField(NumericField field, const QString& text, double crewShown)
{
    const NumericFieldRule& rule = numericFieldRule(field);
    qint64 lower = rule.lower;
    qint64 reset = rule.reset;
    if (field == NumericField::Hull) {
        lower = roundHalfEven(MaxOf(1, crewShown));
        reset = lower;
    }

    FieldCheckOutcome outcome;
    const QString trimmed = trimSpaces(text);
    const std::optional<double> value = parseNumber(trimmed);
    if (!value) {
        outcome.text = QString::number(reset);
        outcome.accepted = false;
        outcome.message = rule.message;
        return outcome;
    }
    // Clamp in floating point first: a typed 1e30 must not overflow the whole number.
    double rounded = RoundHalfUp(*value, 0);
    if (rounded > static_cast<double>(rule.upper))
        rounded = static_cast<double>(rule.upper);
    if (rounded < static_cast<double>(lower))
        rounded = static_cast<double>(lower);
    outcome.text = QString::number(static_cast<qint64>(rounded));
    return outcome;
}

bool isValidName(const QString& trimmedName)
{
    if (trimmedName.isEmpty())
        return false;
    for (QChar c : kForbiddenNameCharacters) {
        if (trimmedName.contains(c))
            return false;
    }
    return true;
}

QString invalidShipNameMessage()
{
    return invalidNameMessage("The ship name you entered is invalid.  You must enter a name for");
}

QString invalidSideNameMessage()
{
    return invalidNameMessage("The side's name you entered is invalid.  You must enter a name for");
}

} // namespace kw
