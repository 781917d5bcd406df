#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

namespace printcheck {

struct PageExpectation {
    QString paper;          // the PPD name of the queue's paper, such as "A4"
    double marginMm = 25;   // from the page's top-left to the picture's
    QSizeF pictureMm;       // the picture's size; empty when not known
};

// Checks the PDF a print produced: one page of the queue's paper, the picture's top-left at the
// margin from the page's (found as the first ink when rendered). Returns what failed; empty
// when everything holds. `report` gets what was measured.
QStringList checkPage(const QString& pdf, const PageExpectation& expected, QStringList& report);

} // namespace printcheck
