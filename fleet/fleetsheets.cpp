#include "fleet/fleetsheets.h"

#include "display/sheetfonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace kw {

namespace {

constexpr double kPixelsPerMm = 96 / 25.4;
constexpr double kRowPitchMm = 7;
constexpr int kTurns = 8;
// Texts of the strip are moved right by this much; the ID and the name sit a little lower than
// their captions.
constexpr double kStripTextIndentMm = 1;
constexpr double kIdDropMm = 0.75;
constexpr double kNameDropMm = 1;

const QString kIdColumn = QStringLiteral("Ship ID");
const QString kVelColumn = QStringLiteral("Vel       ");

QString turnColumn(int turn)
{
    return QStringLiteral("Turn %1                ").arg(turn);
}

double mm(float twips)
{
    return twips / FleetDesign::twipsPerMm;
}

double textWidthMm(const QString& text)
{
    return QFontMetricsF(fleetSheetFont()).horizontalAdvance(text) / kPixelsPerMm;
}

void addOutline(SheetPage& page, const TwipRect& r)
{
    const double left = mm(r.left);
    const double top = mm(r.top);
    const double right = mm(r.right());
    const double bottom = mm(r.bottom());
    page.lines << QLineF(left, top, right, top) << QLineF(right, top, right, bottom)
               << QLineF(right, bottom, left, bottom) << QLineF(left, bottom, left, top);
}

void addStripText(SheetPage& page, const TwipRect& strip, float controlLeft, float controlTop, double dropMm,
                  const QString& text)
{
    page.texts << SheetText{
        QPointF(mm(strip.left + controlLeft) + kStripTextIndentMm, mm(strip.top + controlTop) + dropMm), text};
}

} // namespace

QFont fleetSheetFont()
{
    return formDefaultFont();
}

OrdersSheetMeasures measureOrdersSheet()
{
    OrdersSheetMeasures m;
    m.idWidth = textWidthMm(kIdColumn);
    m.idVelWidth = textWidthMm(kIdColumn + QLatin1Char(' ') + kVelColumn);
    m.turnWidth = textWidthMm(turnColumn(kTurns));
    m.turnVelWidth = textWidthMm(turnColumn(kTurns) + kVelColumn);
    m.rowHeight = QFontMetricsF(fleetSheetFont()).height() / kPixelsPerMm;
    return m;
}

QString ordersSheetHeader()
{
    QString header = kIdColumn + QLatin1Char(' ') + kVelColumn;
    for (int turn = 1; turn <= kTurns; ++turn)
        header += turnColumn(turn) + kVelColumn;
    return header;
}

SheetPage composeRoster(const QList<FleetCard>& cards)
{
    SheetPage page;
    for (const FleetCard& card : cards) {
        page.pictures << SheetPicture{QPoint(twipsToPixels(card.left), twipsToPixels(card.top)), card.picture};
        addOutline(page, card.pictureRect());
        const TwipRect strip = card.stripRect();
        addOutline(page, strip);
        addStripText(page, strip, FleetDesign::lblID.left, FleetDesign::lblID.top, 0, kIdCaption);
        addStripText(page, strip, FleetDesign::txtID.left, FleetDesign::txtID.top, kIdDropMm, card.id);
        addStripText(page, strip, FleetDesign::lblName.left, FleetDesign::lblName.top, 0, kNameCaption);
        addStripText(page, strip, FleetDesign::txtName.left, FleetDesign::txtName.top, kNameDropMm, card.name);
        addStripText(page, strip, FleetDesign::txtMiscLeft, FleetDesign::txtMiscTop, kNameDropMm, card.misc);
    }
    return page;
}

SheetPage composeOrdersSheet(const QList<FleetCard>& cards)
{
    const OrdersSheetMeasures m = measureOrdersSheet();
    const double width = FleetDesign::pageWidthMm;
    const double height = FleetDesign::pageHeightMm;
    SheetPage page;
    page.texts << SheetText{QPointF(0, 0), ordersSheetHeader()};
    page.lines << QLineF(0, m.rowHeight + 1, width, m.rowHeight + 1);
    page.lines << QLineF(m.idWidth, 0, m.idWidth, height) << QLineF(m.idVelWidth, 0, m.idVelWidth, height);
    for (int turn = 1; turn <= kTurns; ++turn) {
        // Between the turn's orders and its velocity, then after the velocity.
        const double orders = (turn - 1) * m.turnVelWidth + m.turnWidth + m.idVelWidth - 1;
        page.lines << QLineF(orders, 0, orders, height);
        if (turn < kTurns) {
            const double velocity = turn * m.turnVelWidth + m.idVelWidth - 1;
            page.lines << QLineF(velocity, 0, velocity, height);
        }
    }
    for (qsizetype k = 1; k <= cards.size(); ++k) {
        const double rowTop = kRowPitchMm * static_cast<double>(k);
        page.texts << SheetText{QPointF(0, rowTop), cards[k - 1].id};
        page.lines << QLineF(0, rowTop + m.rowHeight + 1, width, rowTop + m.rowHeight + 1);
    }
    return page;
}

QSize fleetSheetPixelSize()
{
    return {twipsToPixels(FleetDesign::pageWidth), twipsToPixels(FleetDesign::pageHeight)};
}

QImage paintSheetPage(const SheetPage& page)
{
    QImage surface(fleetSheetPixelSize(), QImage::Format_RGB32);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    for (const SheetPicture& picture : page.pictures)
        painter.drawImage(picture.topLeft, picture.picture);
    // Thin black lines: one pixel whatever the scale.
    painter.save();
    painter.scale(kPixelsPerMm, kPixelsPerMm);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLines(page.lines);
    painter.restore();
    const QFont font = fleetSheetFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font).ascent();
    for (const SheetText& text : page.texts)
        painter.drawText(QPointF(text.topLeft.x() * kPixelsPerMm, text.topLeft.y() * kPixelsPerMm + ascent), text.text);
    return surface;
}

FleetSheets composeFleetSheets(const QList<FleetCard>& cards)
{
    return {paintSheetPage(composeRoster(cards)), paintSheetPage(composeOrdersSheet(cards))};
}

} // namespace kw
