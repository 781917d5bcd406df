#pragma once

#include "common/pageprinter.h"

#include <QString>

namespace kw {

// The record sheet on paper: at its own size, 25 mm from the paper's left and top, on the
// orientation the print setup chose.
PrintDocument recordSheetDocument(const QImage& sheet);

// The same page as an A4 portrait PDF, whole or not at all; on failure `error` names the file
// and says why.
bool writeRecordSheetPdf(const QImage& sheet, const QString& path, const QString& title, QString* error);

} // namespace kw
