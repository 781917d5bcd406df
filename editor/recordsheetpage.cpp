#include "editor/recordsheetpage.h"

#include "common/pdfdocument.h"

namespace kw {

namespace {

constexpr double kPageMarginMm = 25;

} // namespace

PrintDocument recordSheetDocument(const QImage& sheet)
{
    return {PageOrientation::AsSetUp, {{sheet, QPointF(kPageMarginMm, kPageMarginMm), paperSizeMm(sheet)}}};
}

bool writeRecordSheetPdf(const QImage& sheet, const QString& path, const QString& title, QString* error)
{
    return writePdfDocument(recordSheetDocument(sheet), path,
                            {title, QPageSize(QPageSize::A4), QPageLayout::Portrait, 1200}, error);
}

} // namespace kw
