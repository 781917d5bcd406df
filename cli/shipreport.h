#pragma once

#include <QJsonObject>
#include <QString>

namespace kw {

class ShipEditor;

// The figures of the design open in the editor: as the JSON object of the command-line
// contract, and as a table for people.
QJsonObject shipReportJson(const ShipEditor& editor);
QString shipReportTable(const ShipEditor& editor);

// A string, number or true/false of the report as its JSON prints it, a string without quotes:
// whole numbers without a point, others in the shortest form that reads back the same.
QString jsonScalarText(const QJsonValue& value);

} // namespace kw
