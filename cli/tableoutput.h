#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// Rows of cells, the first row being the header.
using TextRows = QList<QStringList>;

// RFC 4180: every line ends in CR LF; a field holding a comma, a quote, CR or LF is quoted,
// its quotes doubled.
QString csvText(const TextRows& rows);

// Columns two spaces apart, each as wide as its widest cell, a rule of dashes under the header;
// the columns marked in rightAligned (by index) are aligned right, for figures. Control
// characters in cells show as spaces, so one row stays one line.
QString alignedText(const TextRows& rows, const QList<bool>& rightAligned);

} // namespace kw
