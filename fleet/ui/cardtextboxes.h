#pragma once

#include "display/twips.h"

#include <QList>
#include <QObject>
#include <QRect>

class QLineEdit;
class QWidget;

namespace kw {

class FleetOrganizer;
class ViewZoom;

// The text boxes of the cards' strips: txtID_k, txtName_k and txtMisc_k for card k. They are
// real line edits, since the user types into them, laid on the page over each strip; what the
// user types goes to the organizer, which may refuse it. A box shows only where its strip is
// not covered by a later card, as a card lies over every earlier one. They grow and shrink
// with the page's zoom, their text with them.
class CardTextBoxes : public QObject {
    Q_OBJECT

public:
    enum class Box { Id, Name, Notes };

    CardTextBoxes(FleetOrganizer& organizer, const ViewZoom& zoom, QWidget* page);

    void mirror();
    QLineEdit* box(int k, Box which) const;

private:
    struct CardBoxes {
        QLineEdit* id = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* notes = nullptr;
    };
    // Where one card lies on the page and whether its strip is shown: the boxes are placed and
    // clipped again only when this changes.
    struct CardPlace {
        QRect strip;
        QRect picture;
        bool stripShown = true;
        int zoom = 100;
        bool operator==(const CardPlace&) const = default;
    };

    void addCard();
    void placeBoxes();
    QLineEdit* makeBox(const QString& name, int k);

    QRect pixelsOf(const TwipRect& rect) const;

    FleetOrganizer& m_organizer;
    const ViewZoom& m_zoom;
    QWidget* m_page;
    QList<CardBoxes> m_boxes;
    QList<CardPlace> m_placed;
};

} // namespace kw
