#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "editor/stepnames.h"
#include "model/numbertext.h"
#include "model/shipchoices.h"

#include <cmath>

namespace kw {

void ShipEditor::AutoCalc()
{
    if (m_locked || m_busy || m_editMode == EditMode::AutoCalc)
        return;
    ChangeScope scope(*this);
    EditStep wholeSearch(*this, StepName::autoCalc);
    const auto mass = [this] { return fieldValue(NumericField::TMF); };
    const auto available = [this] { return parseNumber(m_figures.tmfAvailable).value_or(0.0); };
    const auto setMass = [this](double value) { m_fields.number(NumericField::TMF) = formatNumber(value); };
    // The window shows every step: it hears "changed" before events are processed. Should they
    // replace the design (a ship opened meanwhile), the search ends at once and leaves the new
    // design as it came.
    const quint64 design = m_designGeneration;
    const auto replaced = [this, design] { return m_designGeneration != design; };
    const auto step = [this, &replaced] {
        if (m_pump) {
            Q_EMIT changed();
            m_pump();
        }
        if (!replaced())
            UpdateShip(false);
    };

    cancelPendingModes();
    m_editMode = EditMode::AutoCalc;
    UpdateShip(false);

    // Approach: jump to the mass the fitted parts need until nothing is left over.
    int steps = 0;
    bool gaveUp = false;
    while (m_editMode == EditMode::AutoCalc && std::trunc(mass()) < 10000 && available() != 0) {
        if (++steps > kMaxAutoCalcSteps) {
            gaveUp = true;
            m_editMode = EditMode::Normal;
            break;
        }
        const double needed = mass() - available();
        const auto hull = static_cast<HullIntegrity>(qBound(0, m_fields.hullIndex, 5));
        const auto type = static_cast<ShipType>(qBound(0, m_fields.shipType, 4));
        if (needed < 3) {
            setMass(3);
            m_editMode = EditMode::Normal;
        } else if (hull != HullIntegrity::FixedFB2) {
            if (needed > massCeiling(hull)) {
                setMass(massCeiling(hull));
                m_editMode = EditMode::Normal;
            }
        } else if (parseNumber(m_figures.crew).value_or(0.0) >= kMaxCrew) {
            // The crew cap of the calculation itself, which depends on the crew divisor.
            m_fields.number(NumericField::Hull) = QString::number(kMaxCrew);
            setMass(crewCapMass(type));
            m_editMode = EditMode::Normal;
        }
        if (m_editMode == EditMode::AutoCalc)
            setMass(needed);
        step();
        if (replaced())
            return;
    }

    // Fine search: the smallest mass at which nothing is missing.
    if (m_editMode == EditMode::AutoCalc) {
        while (m_editMode == EditMode::AutoCalc && available() >= 0) {
            if (++steps > kMaxAutoCalcSteps) {
                gaveUp = true;
                break;
            }
            setMass(mass() - 1);
            step();
            if (replaced())
                return;
        }
        setMass(mass() + 1);
    }
    m_editMode = EditMode::Normal;
    UpdateShip(true);
    if (gaveUp) {
        m_prompts.tell(QStringLiteral("Auto Calc found no mass that fits this design within %1 steps.\r\n"
                                      "The last mass tried is kept.")
                           .arg(kMaxAutoCalcSteps),
                       PromptIcon::Exclamation);
    }
}

} // namespace kw
