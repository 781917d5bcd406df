#include "cli/shiptable.h"

#include "cli/clioutput.h"
#include "cli/shipopening.h"
#include "cli/shipreport.h"
#include "cli/tablefiles.h"

#include <QJsonObject>
#include <array>

namespace kw {

namespace {

struct ShipColumn {
    QLatin1String key;     // the CSV header, and the stats JSON key the cell comes from
    QLatin1String heading; // the text table's header
    bool figure;
};

// "file" and "locked" are the table's own; the others are read from the stats report, so the
// two commands cannot disagree.
const std::array<ShipColumn, 10> kColumns{{
    {QLatin1String("file"), QLatin1String("File"), false},
    {QLatin1String("name"), QLatin1String("Name"), false},
    {QLatin1String("class"), QLatin1String("Class"), false},
    {QLatin1String("side"), QLatin1String("Side"), false},
    {QLatin1String("tmf"), QLatin1String("TMF"), true},
    {QLatin1String("npv"), QLatin1String("NPV"), true},
    {QLatin1String("crew"), QLatin1String("Crew"), true},
    {QLatin1String("hullPoints"), QLatin1String("Hull"), true},
    {QLatin1String("tmfAvailable"), QLatin1String("TMF left"), true},
    {QLatin1String("locked"), QLatin1String("Locked"), false},
}};

QStringList shipRow(const QString& path, const ShipEditor& editor)
{
    const QJsonObject report = shipReportJson(editor);
    QStringList row{path};
    for (std::size_t i = 1; i + 1 < kColumns.size(); ++i)
        row << jsonScalarText(report.value(kColumns[i].key));
    row << jsonScalarText(QJsonValue(editor.Ship_Locked()));
    return row;
}

TextRows withHeader(const ShipTable& table, QLatin1String ShipColumn::*title)
{
    QStringList header;
    for (const ShipColumn& column : kColumns)
        header << column.*title;
    return TextRows{header} + table.rows;
}

} // namespace

ShipTable tableShips(const QStringList& paths)
{
    ShipTable table;
    for (const TableFile& file : findTableFiles(paths)) {
        if (!file.refusal.isEmpty()) {
            refuse(QStringLiteral("%1: %2").arg(file.path, file.refusal));
            ++table.refused;
            continue;
        }
        OpenedShip opened;
        if (openShip(opened, file.path) >= 0) {
            ++table.refused;
            continue;
        }
        table.rows << shipRow(file.path, opened.editor);
    }
    return table;
}

QString shipTableCsv(const ShipTable& table)
{
    return csvText(withHeader(table, &ShipColumn::key));
}

QString shipTableText(const ShipTable& table)
{
    QList<bool> figures;
    for (const ShipColumn& column : kColumns)
        figures << column.figure;
    return alignedText(withHeader(table, &ShipColumn::heading), figures);
}

} // namespace kw
