// The page of cards: selecting, scrolling, dragging, the description window and the texts of
// the cards' strips.
#include "fleet/fleetorganizer.h"

#include <cmath>

namespace kw {

namespace {

// Scroll values are whole millimetres; halves go to even as a scroll bar's value does.
int scrollValue(float twips, int margin, int maximum)
{
    const double value = twips / FleetDesign::twipsPerMm - margin;
    return static_cast<int>(std::nearbyint(std::clamp(value, 0.0, static_cast<double>(maximum))));
}

} // namespace

void FleetOrganizer::selectCardRectangle(int k)
{
    const FleetCard& c = card(k);
    const TwipRect strip = c.stripRect();
    m_selectionRect = QRect(twipsToPixels(c.left) - 1, twipsToPixels(strip.top) - 1, twipsToPixels(c.width()) + 2,
                            twipsToPixels(strip.height) + twipsToPixels(c.height()) + 2);
    m_selectionVisible = true;
    m_selectTag = k;
}

void FleetOrganizer::hideSelection()
{
    m_selectionVisible = false;
    m_selectTag = -1;
}

void FleetOrganizer::chooseFleetEntry(int index)
{
    ChangeScope scope(*this);
    m_selectedFleetEntry = index >= 0 && index < m_fleet.fleetList.size() ? index : -1;
    const int k = cardOfEntry(m_selectedFleetEntry);
    if (k == 0)
        return;
    selectCardRectangle(k);
    m_hScroll = scrollValue(card(k).left, FleetDesign::hScrollMax, m_hScrollReach);
    m_vScroll = scrollValue(card(k).top, FleetDesign::vScrollMax, m_vScrollReach);
}

void FleetOrganizer::clickPage()
{
    ChangeScope scope(*this);
    hideSelection();
}

void FleetOrganizer::setScroll(int horizontal, int vertical)
{
    ChangeScope scope(*this);
    m_hScroll = std::clamp(horizontal, 0, m_hScrollReach);
    m_vScroll = std::clamp(vertical, 0, m_vScrollReach);
}

void FleetOrganizer::setScrollReach(int horizontal, int vertical)
{
    m_hScrollReach = std::max(0, horizontal);
    m_vScrollReach = std::max(0, vertical);
    setScroll(m_hScroll, m_vScroll);
}

bool FleetOrganizer::moveOverCard(int k, QPointF pointer, bool leftButton)
{
    ChangeScope scope(*this);
    // While a card is dragged the pointer's place in it must stay as it was grabbed.
    if (k < 1 || k > ShipCount() || m_draggedCard != 0)
        return false;
    m_grabX = static_cast<int>(std::lround(pointer.x()));
    m_grabY = static_cast<int>(std::lround(pointer.y()));
    if (!leftButton)
        return false;
    selectCardRectangle(k);
    m_fleet.cards[k - 1].stripVisible = false;
    m_draggedCard = k;
    return true;
}

void FleetOrganizer::dropOnPage(QPointF at)
{
    ChangeScope scope(*this);
    if (m_draggedCard == 0)
        return;
    const int k = m_draggedCard;
    const float left = static_cast<float>(at.x() - m_grabX);
    const float top = static_cast<float>(at.y() - m_grabY);
    if (left != card(k).left || top != card(k).top) {
        recordStep(FleetStep::MoveShips, stepStart());
        // Written only now: the step shares the cards until they change.
        FleetCard& c = m_fleet.cards[k - 1];
        c.left = left;
        c.top = top;
        setChanged();
    }
    endDragElsewhere();
    for (qsizetype i = 0; i < m_fleet.fleetList.size(); ++i) {
        if (m_fleet.fleetList[i].itemData == k)
            chooseFleetEntry(static_cast<int>(i));
    }
    if (m_selectTag != -1)
        selectCardRectangle(m_selectTag);
}

void FleetOrganizer::dropOnCard(int k, QPointF pointer)
{
    ChangeScope scope(*this);
    if (m_draggedCard == 0)
        return;
    // A short move lands on the card itself; a drop on any other card moves nothing.
    if (k != m_draggedCard) {
        endDragElsewhere();
        return;
    }
    const FleetCard& c = card(k);
    dropOnPage(QPointF(c.left + pointer.x(), c.top + pointer.y()));
}

DropTarget FleetOrganizer::dropTarget(QPointF at) const
{
    const bool onPage = at.x() >= 0 && at.y() >= 0 && at.x() < FleetDesign::pageWidth && at.y() < FleetDesign::pageHeight;
    if (!onPage || m_draggedCard == 0)
        return DropTarget::Elsewhere;
    const PageHit hit = hitPage(m_fleet.cards, at);
    if (hit.kind == PageHit::Kind::Page)
        return DropTarget::Page;
    return hit.kind == PageHit::Kind::Picture && hit.card == m_draggedCard ? DropTarget::DraggedCard
                                                                          : DropTarget::Elsewhere;
}

void FleetOrganizer::dropAt(QPointF at)
{
    ChangeScope scope(*this);
    switch (dropTarget(at)) {
    case DropTarget::Page:
        dropOnPage(at);
        break;
    case DropTarget::DraggedCard: {
        const FleetCard& dragged = card(m_draggedCard);
        dropOnCard(m_draggedCard, at - QPointF(dragged.left, dragged.top));
        break;
    }
    case DropTarget::Elsewhere:
        endDragElsewhere();
        break;
    }
}

void FleetOrganizer::endDragElsewhere()
{
    ChangeScope scope(*this);
    if (m_draggedCard == 0)
        return;
    m_fleet.cards[m_draggedCard - 1].stripVisible = true;
    m_draggedCard = 0;
}

void FleetOrganizer::releaseOnCard(int k, bool rightButton)
{
    ChangeScope scope(*this);
    if (k < 1 || k > ShipCount())
        return;
    if (rightButton)
        m_describedCard = 0;
    else
        selectCardRectangle(k);
    for (qsizetype i = 0; i < m_fleet.fleetList.size(); ++i) {
        if (m_fleet.fleetList[i].itemData == k)
            chooseFleetEntry(static_cast<int>(i));
    }
}

void FleetOrganizer::pressRightOnCard(int k, QPointF pointer)
{
    ChangeScope scope(*this);
    if (k < 1 || k > ShipCount())
        return;
    const FleetCard& c = card(k);
    m_describedCard = k;
    m_descriptionPlace = QPointF(c.left + pointer.x() + FleetDesign::descriptionOffset,
                                 c.top + FleetDesign::stripHeight + pointer.y() + FleetDesign::descriptionOffset);
}

QString FleetOrganizer::typedCardText(const QString& action, QString FleetCard::*text, int k, QString typed,
                                      int typedLength, bool commas)
{
    ChangeScope scope(*this);
    if (k < 1 || k > ShipCount())
        return {};
    // A comma would split the ship's line in the fleet file; a line break would end it.
    if (!commas)
        typed.remove(QLatin1Char(','));
    typed.remove(QLatin1Char('\r'));
    typed.remove(QLatin1Char('\n'));
    const QString& box = card(k).*text;
    if ((typedLength == 0 || takesTypedText(typed, box, typedLength)) && typed != box) {
        beginTyping(action, k);
        // Written only now: the step shares the cards until they change.
        m_fleet.cards[k - 1].*text = typed;
        setChanged();
    }
    return card(k).*text;
}

QString FleetOrganizer::typeCardId(int k, const QString& text)
{
    return typedCardText(FleetStep::ChangeId, &FleetCard::id, k, text, FleetDesign::idTypedLength, false);
}

QString FleetOrganizer::typeCardName(int k, const QString& text)
{
    return typedCardText(FleetStep::ChangeName, &FleetCard::name, k, text, FleetDesign::nameTypedLength, false);
}

QString FleetOrganizer::typeCardNotes(int k, const QString& text)
{
    return typedCardText(FleetStep::ChangeNotes, &FleetCard::misc, k, text, 0, true);
}

} // namespace kw
