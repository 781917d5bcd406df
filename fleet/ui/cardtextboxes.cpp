#include "fleet/ui/cardtextboxes.h"

#include "common/ui/typedtext.h"
#include "common/ui/viewzoom.h"
#include "display/sheetfonts.h"
#include "fleet/fleetorganizer.h"

#include <QLineEdit>
#include <QRegion>

namespace kw {

namespace {

void showText(QLineEdit* box, const QString& text)
{
    // Only a real change moves the caret.
    if (box->text() != text)
        box->setText(text);
}

TwipRect placedIn(const TwipRect& strip, const TwipRect& inside)
{
    return {strip.left + inside.left, strip.top + inside.top, inside.width, inside.height};
}

// The window's font at the page's zoom.
QFont zoomedFont(const ViewZoom& zoom)
{
    return scaledFont(formDefaultFont(), zoom.factor());
}

} // namespace

CardTextBoxes::CardTextBoxes(FleetOrganizer& organizer, const ViewZoom& zoom, QWidget* page)
    : QObject(page), m_organizer(organizer), m_zoom(zoom), m_page(page)
{
}

QRect CardTextBoxes::pixelsOf(const TwipRect& rect) const
{
    return m_zoom.pixelRect(rect.left, rect.top, rect.width, rect.height);
}

QLineEdit* CardTextBoxes::box(int k, Box which) const
{
    if (k < 1 || k > m_boxes.size())
        return nullptr;
    const CardBoxes& boxes = m_boxes[k - 1];
    switch (which) {
    case Box::Id:
        return boxes.id;
    case Box::Name:
        return boxes.name;
    case Box::Notes:
        return boxes.notes;
    }
    return nullptr;
}

QLineEdit* CardTextBoxes::makeBox(const QString& name, int k)
{
    auto* box = new QLineEdit(m_page);
    box->setObjectName(name + QLatin1Char('_') + QString::number(k));
    box->setFont(zoomedFont(m_zoom));
    box->setTextMargins(0, 0, 0, 0);
    box->show();
    return box;
}

void CardTextBoxes::addCard()
{
    const int k = static_cast<int>(m_boxes.size()) + 1;
    CardBoxes boxes;
    boxes.id = makeBox(QStringLiteral("txtID"), k);
    boxes.name = makeBox(QStringLiteral("txtName"), k);
    boxes.notes = makeBox(QStringLiteral("txtMisc"), k);
    // No length limits on the boxes themselves: the organizer refuses what may not be typed,
    // while a longer text it sets stays whole.
    bindTypedText(boxes.id, [this, k](const QString& text) { return m_organizer.typeCardId(k, text); });
    bindTypedText(boxes.name, [this, k](const QString& text) { return m_organizer.typeCardName(k, text); });
    bindTypedText(boxes.notes, [this, k](const QString& text) { return m_organizer.typeCardNotes(k, text); });
    // What was typed into a box is one step once the box is left or Enter is pressed.
    for (QLineEdit* box : {boxes.id, boxes.name, boxes.notes})
        connect(box, &QLineEdit::editingFinished, &m_organizer, &FleetOrganizer::commitTyping);
    m_boxes << boxes;
}

void CardTextBoxes::mirror()
{
    const QList<FleetCard>& cards = m_organizer.cards();
    while (m_boxes.size() < cards.size())
        addCard();
    while (m_boxes.size() > cards.size()) {
        const CardBoxes gone = m_boxes.takeLast();
        delete gone.id;
        delete gone.name;
        delete gone.notes;
    }
    for (qsizetype i = 0; i < cards.size(); ++i) {
        showText(m_boxes[i].id, cards[i].id);
        showText(m_boxes[i].name, cards[i].name);
        showText(m_boxes[i].notes, cards[i].misc);
    }
    placeBoxes();
}

void CardTextBoxes::placeBoxes()
{
    const QList<FleetCard>& cards = m_organizer.cards();
    QList<CardPlace> places;
    for (const FleetCard& card : cards)
        places << CardPlace{pixelsOf(card.stripRect()), pixelsOf(card.pictureRect()), card.stripVisible,
                            m_zoom.percent()};
    if (places == m_placed)
        return;
    const bool rezoomed = m_placed.isEmpty() || m_placed.first().zoom != m_zoom.percent();
    m_placed = places;
    const QFont font = zoomedFont(m_zoom);

    // From the last card down: what later cards cover grows as we go.
    QRegion covered;
    for (qsizetype i = cards.size() - 1; i >= 0; --i) {
        const FleetCard& card = cards[i];
        const TwipRect strip = card.stripRect();
        const QRect stripPixels = places[i].strip;
        const TwipRect notes{FleetDesign::txtMiscLeft, FleetDesign::txtMiscTop, card.miscWidth(),
                             FleetDesign::txtMiscHeight};
        const std::pair<QLineEdit*, QRect> placed[] = {{m_boxes[i].id, pixelsOf(placedIn(strip, FleetDesign::txtID))},
                                                       {m_boxes[i].name, pixelsOf(placedIn(strip, FleetDesign::txtName))},
                                                       {m_boxes[i].notes, pixelsOf(placedIn(strip, notes))}};
        for (const auto& [box, rect] : placed) {
            if (rezoomed)
                box->setFont(font);
            // Clipped to the strip, as the boxes are its children.
            const QRegion shown = QRegion(rect.intersected(stripPixels)).subtracted(covered);
            box->setGeometry(rect);
            box->setVisible(card.stripVisible && !shown.isEmpty());
            if (shown == QRegion(rect))
                box->clearMask();
            else
                box->setMask(shown.translated(-rect.topLeft()));
        }
        covered += places[i].picture;
        if (card.stripVisible)
            covered += stripPixels;
    }
}

} // namespace kw
