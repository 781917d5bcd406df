#pragma once

#include <QList>
#include <QString>

namespace kw {

// Icon codes of the systems, as stored in the icons' tags and tied to the ship file keys.
namespace IconCode {
inline const QString FC = QStringLiteral("FC");
inline const QString Screen = QStringLiteral("Screen");
inline const QString Fighter = QStringLiteral("Fighter");
inline const QString PDS = QStringLiteral("PDS");
inline const QString ADFC = QStringLiteral("ADFC");
inline const QString Reflex = QStringLiteral("Reflex");
inline const QString Cloak = QStringLiteral("Cloak");
inline const QString MineSweeper = QStringLiteral("MineSweeper");
inline const QString Nova = QStringLiteral("Nova");
inline const QString Wave = QStringLiteral("Wave");
inline const QString ECM = QStringLiteral("ECM");
inline const QString AreaECM = QStringLiteral("Area ECM");
inline const QString CSpace = QStringLiteral("CSpace");
inline const QString PSpace = QStringLiteral("PSpace");
inline const QString ESensors = QStringLiteral("ESensors");
inline const QString SupSensors = QStringLiteral("SupSensors");
inline const QString DCP = QStringLiteral("DCP");
inline const QString Hangar = QStringLiteral("Hangar");
inline const QString Ortillery = QStringLiteral("Ortillery");
} // namespace IconCode

// Cargo or passenger mass dealt out to four boxes in turn; only boxes that received something.
QList<int> spaceBoxShares(qint64 mass);

} // namespace kw
