#pragma once

#include "display/twips.h"
#include "storage/fleetship.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

namespace kw {

// The Fleet Organizer's page and cards, in twips as designed (15 twips to a pixel).
namespace FleetDesign {
// picArea: an A4 landscape sheet less 15 mm margins, 267 x 180 mm.
constexpr float pageWidth = 15137;
constexpr float pageHeight = 10205;
constexpr double pageWidthMm = 267;
constexpr double pageHeightMm = 180;
constexpr double twipsPerMm = 1440 / 25.4;
// The viewport shows part of the page; its scroll bars run in millimetres.
constexpr int hScrollMax = 67;
constexpr int vScrollMax = 64;
// The label strip picId above each picture, and the controls inside it.
constexpr float stripHeight = 765;
constexpr TwipRect lblID{15, 60, 225, 195};
constexpr TwipRect txtID{240, 30, 390, 285};
constexpr TwipRect lblName{660, 60, 495, 195};
constexpr TwipRect txtName{1185, 30, 1155, 285};
constexpr float txtMiscLeft = 30;
constexpr float txtMiscTop = 390;
constexpr float txtMiscHeight = 285;
// The most characters a user may type into each box; texts the program sets are not cut.
constexpr int idTypedLength = 2;
constexpr int nameTypedLength = 11;
constexpr int limitTypedLength = 4;
// The description window sits this far right and below the pointer.
constexpr float descriptionOffset = 300;
} // namespace FleetDesign

// The window's caption and the captions of the strip's labels lblID and lblName.
inline const QString kFleetOrganizerCaption = QStringLiteral("Keelwright - Fleet Organizer");
inline const QString kIdCaption = QStringLiteral("ID:");
inline const QString kNameCaption = QStringLiteral("Name:");

// Card k of the page: the ship's picture picShip(k), the label strip picId(k) directly above it
// with the texts of txtID(k), txtName(k) and txtMisc(k), the description lblDes(k) and the tag
// that holds k.
struct FleetCard {
    int tag = 0;
    QImage picture;
    float left = 0; // picShip, twips
    float top = FleetDesign::stripHeight;
    bool stripVisible = true; // hidden while the card is dragged
    QString id;               // txtID
    QString name;             // txtName
    QString misc;             // txtMisc
    QString description;      // lblDes

    // Pictures compare by their pixels, but a picture shared with another card compares at once.
    bool operator==(const FleetCard&) const = default;

    float width() const { return picture.width() * kTwipsPerPixel; }
    float height() const { return picture.height() * kTwipsPerPixel; }
    TwipRect pictureRect() const { return {left, top, width(), height()}; }
    // picId: as wide as the picture, directly above it.
    TwipRect stripRect() const { return {left, top - FleetDesign::stripHeight, width(), FleetDesign::stripHeight}; }
    // txtMisc stretches over the strip less its left margin on both sides.
    float miscWidth() const { return width() - 2 * FleetDesign::txtMiscLeft; }
};

// What lies at a place on the page (twips): the picture of card k, the strip of card k, or the
// page itself. Each card lies over every earlier one, its picture and its strip alike; a hidden
// strip is not there.
struct PageHit {
    enum class Kind { Page, Picture, Strip };
    Kind kind = Kind::Page;
    int card = 0;

    bool operator==(const PageHit&) const = default;
};
PageHit hitPage(const QList<FleetCard>& cards, QPointF at);

// An entry of the fleet list lstFleet: the text shown and the number of its card.
struct FleetListEntry {
    QString label;
    int itemData = 0;

    bool operator==(const FleetListEntry&) const = default;
};

// Whether a box that holds `current` takes the typed text: a box refuses to grow past the
// length a user may type, while a longer text the program put there may still be shortened.
inline bool takesTypedText(const QString& typed, const QString& current, int typedLength)
{
    return typed.size() <= typedLength || typed.size() <= current.size();
}

// The six lines of a ship's description (lblDes), each ended by a carriage return.
QString shipDescription(const FleetShip& ship);

// The notes a new card starts with: "(T:" mass ")(P:" points ")".
QString defaultNotes(const FleetShip& ship);

} // namespace kw
