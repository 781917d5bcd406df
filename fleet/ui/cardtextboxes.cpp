#include "fleet/ui/cardtextboxes.h"

#include "common/ui/typedtext.h"
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

QRect pixelsAt(const TwipRect& strip, const TwipRect& inside)
{
    return pixelRect({strip.left + inside.left, strip.top + inside.top, inside.width, inside.height});
}

} // namespace

CardTextBoxes::CardTextBoxes(FleetOrganizer& organizer, QWidget* page)
    : QObject(page), m_organizer(organizer), m_page(page)
{
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
    box->setFont(formDefaultFont());
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
        places << CardPlace{pixelRect(card.stripRect()), pixelRect(card.pictureRect()), card.stripVisible};
    if (places == m_placed)
        return;
    m_placed = places;

    // From the last card down: what later cards cover grows as we go.
    QRegion covered;
    for (qsizetype i = cards.size() - 1; i >= 0; --i) {
        const FleetCard& card = cards[i];
        const TwipRect strip = card.stripRect();
        const QRect stripPixels = places[i].strip;
        const TwipRect notes{FleetDesign::txtMiscLeft, FleetDesign::txtMiscTop, card.miscWidth(),
                             FleetDesign::txtMiscHeight};
        const std::pair<QLineEdit*, QRect> placed[] = {{m_boxes[i].id, pixelsAt(strip, FleetDesign::txtID)},
                                                       {m_boxes[i].name, pixelsAt(strip, FleetDesign::txtName)},
                                                       {m_boxes[i].notes, pixelsAt(strip, notes)}};
        for (const auto& [box, rect] : placed) {
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
