#include "fleet/fleetcard.h"

#include <QStringList>

namespace kw {

QString shipDescription(const FleetShip& ship)
{
    const QStringList lines = {
        ship.Name + QLatin1Char(' ') + ship.Class,
        QStringLiteral("TMF: ") + QString::number(ship.TMF),
        QStringLiteral("NPV: ") + QString::number(ship.NPV),
        QStringLiteral("Hull: ") + ship.HullIntegrity + QStringLiteral(": ") + QString::number(ship.HullPoints),
        QStringLiteral("Armour: ") + QString::number(ship.Armour),
        QStringLiteral("Streamlining: ") + ship.StreamLining,
    };
    // Each line ends with a single carriage return, the last one too.
    return lines.join(QLatin1Char('\r')) + QLatin1Char('\r');
}

namespace {

bool contains(const TwipRect& r, QPointF at)
{
    return at.x() >= r.left && at.x() < r.right() && at.y() >= r.top && at.y() < r.bottom();
}

} // namespace

PageHit hitPage(const QList<FleetCard>& cards, QPointF at)
{
    for (qsizetype i = cards.size() - 1; i >= 0; --i) {
        const FleetCard& card = cards[i];
        const int k = static_cast<int>(i) + 1;
        if (contains(card.pictureRect(), at))
            return {PageHit::Kind::Picture, k};
        if (card.stripVisible && contains(card.stripRect(), at))
            return {PageHit::Kind::Strip, k};
    }
    return {};
}

QString defaultNotes(const FleetShip& ship)
{
    return QStringLiteral("(T:%1)(P:%2)").arg(ship.TMF).arg(ship.NPV);
}

} // namespace kw
