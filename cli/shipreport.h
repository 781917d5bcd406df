#pragma once

#include <QJsonObject>
#include <QString>

namespace kw {

class ShipEditor;

// The figures of the design open in the editor: as the JSON object of the command-line
// contract, and as a table for people.
QJsonObject shipReportJson(const ShipEditor& editor);
QString shipReportTable(const ShipEditor& editor);

} // namespace kw
