#include "editor/stepnames.h"

namespace kw {

namespace {

QString changeOf(const char* caption)
{
    QString name = QString::fromLatin1(caption);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return QStringLiteral("Change ") + name;
}

} // namespace

QString fieldStepName(NumericField field)
{
    // The fields outside the systems' table carry their own captions.
    switch (field) {
    case NumericField::TMF:
        return changeOf("TMF");
    case NumericField::MD:
        return changeOf("Main Drive");
    case NumericField::FTL:
        return changeOf("Tow Capacity");
    case NumericField::Hull:
        return changeOf("Hull Rating");
    case NumericField::Armour:
        return changeOf("Armour Factor");
    default:
        break;
    }
    for (const ShipSystemRow& row : shipSystems()) {
        if (row.control == SystemControl::NumberField && row.field == field)
            return changeOf(row.caption);
    }
    return changeOf("Field");
}

QString checkStepName(CheckBox box)
{
    for (const ShipSystemRow& row : shipSystems()) {
        if (row.control == SystemControl::CheckBox && row.checkBox == box)
            return changeOf(row.caption);
    }
    return changeOf("Check Box");
}

} // namespace kw
