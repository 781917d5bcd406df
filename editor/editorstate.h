#pragma once

#include "model/fieldchecks.h"
#include "model/systemcosts.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kw {

enum class EditMode { Normal = 0, Removing = 1, Linking = 2, AutoCalc = 3 };

// What the editor's input fields and lists hold.
struct EditorFields {
    QString name;
    std::array<QString, kNumericFieldCount> numbers;
    QStringList sides;
    int sideIndex = -1;
    QStringList classes;
    int classIndex = -1;
    int shipType = 0;
    int hullIndex = 2;
    int streamliningIndex = 0;
    int ftlIndex = 1;
    std::array<bool, kCheckBoxCount> checks{};
    int sensors = 0;

    QString& number(NumericField f) { return numbers[static_cast<int>(f)]; }
    const QString& number(NumericField f) const { return numbers[static_cast<int>(f)]; }
    bool check(CheckBox b) const { return checks[static_cast<int>(b)]; }
    QString sideText() const { return sideIndex >= 0 && sideIndex < sides.size() ? sides[sideIndex] : QString(); }
    QString classText() const { return classIndex >= 0 && classIndex < classes.size() ? classes[classIndex] : QString(); }
    bool operator==(const EditorFields&) const = default;
};

// The figures the calculation shows.
struct EditorFigures {
    std::array<QString, kSystemLabelCount> mass;
    std::array<QString, kSystemLabelCount> cost;
    QString tmfUsed;
    QString tmfAvailable;
    QString npv;
    QString crew;
    QString hangarCount = QStringLiteral("0");
    QString weaponsMass = QStringLiteral("0");
    QString weaponsCost = QStringLiteral("0");
    bool operator==(const EditorFigures&) const = default;
};

// Which optional controls are shown or enabled.
struct EditorControls {
    bool towCapacityVisible = false;   // txtFTL, udcTowCap, lblTowCap
    bool hullRatingVisible = false;    // txtHull
    bool mobilityEnabled = true;       // txtMD, udcMD, cmbFTL, cmbSL
    bool linkVisible = false;          // cmdLink
    bool cancelLinkVisible = false;    // cmdCancelL
    bool cancelRemoveVisible = false;  // cmdCancelR
    bool operator==(const EditorControls&) const = default;
};

} // namespace kw
