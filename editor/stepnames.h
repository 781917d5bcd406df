#pragma once

#include "model/shipsystems.h"

#include <QString>

namespace kw {

// The names the Edit menu gives the editor's steps ("&Undo Move Icons").
namespace StepName {
inline const QString updateStats = QStringLiteral("UpDate Stats");
inline const QString updateDisplay = QStringLiteral("UpDate Stats and Display Ship");
inline const QString autoCalc = QStringLiteral("Auto Calc");
inline const QString addWeapon = QStringLiteral("Add Weapon");
inline const QString removeWeapon = QStringLiteral("Remove Weapon");
inline const QString hangarBays = QStringLiteral("Change Hangar Bays");
inline const QString link = QStringLiteral("Link Salvo Weapons");
inline const QString moveIcons = QStringLiteral("Move Icons");
inline const QString alignIcons = QStringLiteral("Align Icons");
inline const QString className = QStringLiteral("Change Class Name");
inline const QString side = QStringLiteral("Change Side");
inline const QString hullClass = QStringLiteral("Change Class");
inline const QString shipType = QStringLiteral("Change Ship Type");
inline const QString hull = QStringLiteral("Change Hull Integrity");
inline const QString streamlining = QStringLiteral("Change Hull Streamlining");
inline const QString ftl = QStringLiteral("Change FTL Drive");
inline const QString sensors = QStringLiteral("Change Sensors");
} // namespace StepName

// "Change " and the field's or box's caption: "Change Main Drive", "Change Reflex Field".
QString fieldStepName(NumericField field);
QString checkStepName(CheckBox box);

} // namespace kw
