#pragma once

#include "cli/tableoutput.h"

#include <QStringList>

namespace kw {

// The designs the table command lists: one row per file opened, in path order.
struct ShipTable {
    TextRows rows;   // cells in the column order of the header, without the header
    int refused = 0; // files that printed an "error: " line instead of a row
};

// Every file findTableFiles gives for the paths, each opened as stats opens it. A refused file
// prints its "error: " line on stderr at once and the others go on.
ShipTable tableShips(const QStringList& paths);

// The table with its header: CSV keyed as the stats JSON (file,name,class,...,locked), or
// aligned text for people.
QString shipTableCsv(const ShipTable& table);
QString shipTableText(const ShipTable& table);

} // namespace kw
