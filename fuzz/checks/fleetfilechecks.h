#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace kw::fuzz {

// What must hold for any bytes offered as a fleet file, opened by the Fleet Organizer from a
// folder whose fleet folder holds the sample designs under their own names: the fleet read is
// whole (ship k is card k, list entry k and the k-th of the totals), nothing was read from
// outside the fleet folder, and saving the fleet and opening it again gives the same fleet. The
// same bytes read as a ship file by the fleet's own reader give a description.
class FleetFileOpening {
public:
    explicit FleetFileOpening(const QString& scratch);
    ~FleetFileOpening();

    std::optional<QString> check(const QByteArray& bytes);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace kw::fuzz
