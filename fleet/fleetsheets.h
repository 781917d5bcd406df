#pragma once

#include "fleet/fleetcard.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QString>

namespace kw {

// The fleet's two printed pages, composed as lists of what is drawn where and then painted on a
// white surface of the page's size (267 x 180 mm, 1009 x 680 pixels at 96 dpi). Places are
// millimetres from the surface's top-left corner; texts stand with their top at their place.
struct SheetText {
    QPointF topLeft;
    QString text;

    bool operator==(const SheetText&) const = default;
};
struct SheetPicture {
    QPoint topLeft; // pixels
    QImage picture;
};
struct SheetPage {
    QList<SheetPicture> pictures;
    QList<QLineF> lines;
    QList<SheetText> texts;
};

// The widths of the orders sheet's columns and the height of a row, in millimetres, taken from
// the sheet font.
struct OrdersSheetMeasures {
    double idWidth = 0;      // "Ship ID"
    double idVelWidth = 0;   // "Ship ID Vel       "
    double turnWidth = 0;    // "Turn 8" and sixteen blanks
    double turnVelWidth = 0; // the same and "Vel       "
    double rowHeight = 0;    // the height of "S"
};

// The font of both pages: the small sans-serif a window writes in.
QFont fleetSheetFont();
OrdersSheetMeasures measureOrdersSheet();
// The header line of the orders sheet: "Ship ID Vel" and the columns of the eight turns.
QString ordersSheetHeader();

// The roster: every card's picture at its place, framed, with its strip's frame and texts.
SheetPage composeRoster(const QList<FleetCard>& cards);
// The orders sheet: the header, the ruling and one row per card, 7 mm apart; rows that fall
// below the sheet (the 26th on) are lost.
SheetPage composeOrdersSheet(const QList<FleetCard>& cards);

QSize fleetSheetPixelSize();
QImage paintSheetPage(const SheetPage& page);

struct FleetSheets {
    QImage roster;
    QImage orders;
};
FleetSheets composeFleetSheets(const QList<FleetCard>& cards);

} // namespace kw
