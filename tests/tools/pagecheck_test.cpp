// The judge of scripts/print-check: it must pass a right page and name every wrong one.
#include "tools/printcheck/pagecheck.h"

#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace printcheck;

namespace {

// A PDF of `pages` pages of the given paper, the first with a framed picture of `sizeMm` whose
// top-left lies `marginMm` from the page's.
QString makePage(const QTemporaryDir& dir, QPageSize::PageSizeId paper, double marginMm, QSizeF sizeMm, int pages = 1)
{
    const QString path = dir.path() + QStringLiteral("/page.pdf");
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    const double dotsPerMm = writer.resolution() / 25.4;
    const QRectF picture(QPointF(marginMm, marginMm) * dotsPerMm, sizeMm * dotsPerMm);
    painter.fillRect(picture, Qt::white);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawRect(picture.adjusted(3, 3, -3, -3));
    for (int p = 1; p < pages; ++p)
        writer.newPage();
    painter.end();
    return path;
}

class PageCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "poppler-utils are not installed";
    }
    // The failures, one a line.
    std::string check(const QString& pdf, const QString& paper = "A4", QSizeF pictureMm = {60, 40})
    {
        QStringList report;
        return checkPage(pdf, {paper, 25, pictureMm}, report).join('\n').toStdString();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PageCheckTest, ARightPagePasses)
{
    EXPECT_EQ(check(makePage(dir, QPageSize::A4, 25, {60, 40})), "");
    EXPECT_EQ(check(makePage(dir, QPageSize::Letter, 25, {60, 40}), "Letter"), "");
}

TEST_F(PageCheckTest, EveryWrongPageIsNamed)
{
    // Two millimetres off is about twelve pixels at the check's resolution.
    EXPECT_THAT(check(makePage(dir, QPageSize::A4, 27, {60, 40})),
                testing::MatchesRegex("the picture starts 26\\.9. x 26\\.9. mm from the page's top-left, not 25 mm"));
    EXPECT_EQ(check(makePage(dir, QPageSize::Letter, 25, {60, 40})), "the page is not A4");
    EXPECT_EQ(check(makePage(dir, QPageSize::A4, 25, {60, 40}, 2)), "2 pages instead of one");
    EXPECT_EQ(check(makePage(dir, QPageSize::A4, 25, {60, 40}), "A4", {70, 40}), "the picture is not printed at its own size");
    EXPECT_THAT(check(dir.path() + "/missing.pdf"), testing::StartsWith("pdfinfo failed"));
}
