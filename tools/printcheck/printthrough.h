#pragma once

#include <QSizeF>
#include <QString>
#include <optional>

namespace printcheck {

// Prints the record sheet of the ship file through the print queue, as a user does: the ship
// opened in the editor, "&Print Ship Diagram", the queue chosen in the print setup, OK. On
// success gives the size of the printed picture in millimetres; otherwise says why.
std::optional<QSizeF> printThrough(const QString& queue, const QString& shipFile, QString& problem);

} // namespace printcheck
