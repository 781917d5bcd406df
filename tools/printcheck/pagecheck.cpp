#include "tools/printcheck/pagecheck.h"

#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <optional>

namespace printcheck {

namespace {

constexpr int kDpi = 150;
constexpr double kPointsPerMm = 72 / 25.4;
// A pixel or two, as a printer's rounding goes.
constexpr double kPixelTolerance = 2;

std::optional<QByteArray> run(const QString& tool, const QStringList& arguments, QString& problem)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        problem = QStringLiteral("%1 failed: %2 %3")
                      .arg(tool, process.errorString(), QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// The rectangle round every pixel that is not white.
QRect inkBox(const QImage& page)
{
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    int left = gray.width(), top = gray.height(), right = -1, bottom = -1;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* row = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x) {
            if (row[x] >= 250)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The paper a PPD names, such as "A4" or "Letter".
QPageSize paperNamed(const QString& ppdName)
{
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto pageSize = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(pageSize) == ppdName)
            return QPageSize(pageSize);
    }
    return {};
}

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

QStringList checkPage(const QString& pdf, const PageExpectation& expected, QStringList& report)
{
    QStringList failures;
    QString problem;
    const std::optional<QByteArray> info = run(QStringLiteral("pdfinfo"), {pdf}, problem);
    if (!info)
        return {problem};
    const QString text = QString::fromLatin1(*info);
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                             QRegularExpression::MultilineOption)
                                              .match(text);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([0-9.]+) x ([0-9.]+) pts"), QRegularExpression::MultilineOption)
            .match(text);
    if (!pages.hasMatch() || !size.hasMatch())
        return {QStringLiteral("pdfinfo did not tell the pages and the page size of %1").arg(pdf)};
    report << QStringLiteral("pages: %1").arg(pages.captured(1));
    if (pages.captured(1) != QLatin1String("1"))
        failures << QStringLiteral("%1 pages instead of one").arg(pages.captured(1));

    const QSizeF pagePoints(size.captured(1).toDouble(), size.captured(2).toDouble());
    const QPageSize paper = paperNamed(expected.paper);
    const QSizeF paperPoints = paper.size(QPageSize::Point);
    report << QStringLiteral("page: %1 x %2 pt; %3 is %4 x %5 pt")
                  .arg(pagePoints.width())
                  .arg(pagePoints.height())
                  .arg(expected.paper)
                  .arg(paperPoints.width())
                  .arg(paperPoints.height());
    const bool portrait = near(pagePoints.width(), paperPoints.width(), 1.5) && near(pagePoints.height(), paperPoints.height(), 1.5);
    const bool landscape = near(pagePoints.width(), paperPoints.height(), 1.5) && near(pagePoints.height(), paperPoints.width(), 1.5);
    if (!paper.isValid() || (!portrait && !landscape))
        failures << QStringLiteral("the page is not %1").arg(expected.paper);

    QTemporaryDir scratch;
    const QString stem = scratch.path() + QStringLiteral("/page");
    if (!run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                                          QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), pdf, stem},
             problem))
        return failures << problem;
    const QImage page(stem + QStringLiteral(".png"));
    if (page.isNull())
        return failures << QStringLiteral("pdftoppm made no picture of the page");
    const QRect ink = inkBox(page);
    if (ink.isNull())
        return failures << QStringLiteral("the page is blank");

    const double pixelsPerMm = kDpi / 25.4;
    const double margin = expected.marginMm * pixelsPerMm;
    report << QStringLiteral("first ink at %1,%2 px of %3 x %4 at %5 dpi; %6 mm is %7 px")
                  .arg(ink.left())
                  .arg(ink.top())
                  .arg(page.width())
                  .arg(page.height())
                  .arg(kDpi)
                  .arg(expected.marginMm)
                  .arg(margin, 0, 'f', 1);
    // The first pixel touched by the picture's edge.
    const double firstPixel = std::floor(margin);
    if (!near(ink.left(), firstPixel, kPixelTolerance) || !near(ink.top(), firstPixel, kPixelTolerance))
        failures << QStringLiteral("the picture starts %1 x %2 mm from the page's top-left, not %3 mm")
                        .arg(ink.left() / pixelsPerMm, 0, 'f', 2)
                        .arg(ink.top() / pixelsPerMm, 0, 'f', 2)
                        .arg(expected.marginMm);
    if (!expected.pictureMm.isEmpty()) {
        const QSizeF wanted = expected.pictureMm * pixelsPerMm;
        report << QStringLiteral("picture: %1 x %2 px, printed %3 x %4 px")
                      .arg(wanted.width(), 0, 'f', 1)
                      .arg(wanted.height(), 0, 'f', 1)
                      .arg(ink.width())
                      .arg(ink.height());
        if (!near(ink.width(), wanted.width(), kPixelTolerance + 1) || !near(ink.height(), wanted.height(), kPixelTolerance + 1))
            failures << QStringLiteral("the picture is not printed at its own size");
    }
    return failures;
}

} // namespace printcheck
