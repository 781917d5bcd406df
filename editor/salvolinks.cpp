#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "display/sheetpainter.h"
#include "editor/stepnames.h"
#include "model/weaponkinds.h"

namespace kw {

namespace {

// Which end of a link an icon can be, by the mount it stands for.
SalvoEnd salvoEndOf(const SystemIcon& icon, const QList<WeaponEntry>& weapons)
{
    const std::optional<int> mount = icon.mountNumber();
    if (!mount || *mount < 0 || *mount >= weapons.size())
        return SalvoEnd::None;
    return salvoEndOf(weapons[*mount]);
}

} // namespace

// Every launcher can feed from every magazine once; while fewer links exist, more can be made.
bool ShipEditor::moreLinksPossible() const
{
    qint64 launchers = 0;
    qint64 magazines = 0;
    for (const SystemIcon& icon : m_display.icons()) {
        const SalvoEnd end = salvoEndOf(icon, m_ship.Weapons);
        launchers += end == SalvoEnd::Launcher ? 1 : 0;
        magazines += end == SalvoEnd::Magazine ? 1 : 0;
    }
    return launchers * magazines > m_ship.SalvoLinkCount();
}

void ShipEditor::startLink()
{
    if (m_editMode != EditMode::Normal || !m_controls.linkVisible)
        return;
    ChangeScope scope(*this);
    m_prompts.tell(QStringLiteral("Click on a magazine and a Launcher to connect them."));
    m_editMode = EditMode::Linking;
    m_controls.cancelLinkVisible = true;
    m_controls.linkVisible = false;
    m_ship.LinkBeingMade = SalvoLink{};
}

void ShipEditor::cancelLink()
{
    if (m_editMode != EditMode::Linking)
        return;
    ChangeScope scope(*this);
    m_ship.LinkBeingMade.reset();
    m_editMode = EditMode::Normal;
    m_controls.cancelLinkVisible = false;
    m_controls.linkVisible = true;
}

void ShipEditor::chooseLinkEnd(int iconIndex)
{
    if (m_editMode != EditMode::Linking || !m_ship.LinkBeingMade || iconIndex < 1 || iconIndex > m_display.iconCount())
        return;
    // A line can only be drawn between icons on the display, so icons still waiting in the
    // holding box are not taken; the user may place them and click again.
    const SystemIcon& icon = m_display.icon(iconIndex);
    if (!icon.placed())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::link);
    int& launcher = m_ship.LinkBeingMade->launcher;
    int& magazine = m_ship.LinkBeingMade->magazine;
    switch (salvoEndOf(icon, m_ship.Weapons)) {
    case SalvoEnd::Launcher:
        if (launcher == 0)
            launcher = iconIndex;
        else
            m_prompts.tell(QStringLiteral("A Salvo Launcher is already selected for this Link"));
        break;
    case SalvoEnd::Magazine:
        if (magazine == 0)
            magazine = iconIndex;
        else
            m_prompts.tell(QStringLiteral("A Salvo Magazine is already selected for this Link"));
        break;
    case SalvoEnd::None:
        return;
    }
    if (launcher == 0 || magazine == 0)
        return;
    m_ship.SalvoLinks.append(*m_ship.LinkBeingMade);
    m_ship.LinkBeingMade.reset();
    m_editMode = EditMode::Normal;
    m_controls.linkVisible = moreLinksPossible();
    m_controls.cancelLinkVisible = false;
    // Links are stored with the design, so a new one is a change worth saving.
    m_shipChanged = true;
}

QList<QLineF> ShipEditor::shownLinkLines() const
{
    QList<QLineF> lines;
    for (const auto& [launcher, magazine] : m_ship.SalvoLinks) {
        if (launcher < 1 || magazine < 1 || launcher > m_display.iconCount() || magazine > m_display.iconCount())
            continue;
        if (m_display.icon(launcher).placed() && m_display.icon(magazine).placed())
            lines << salvoLinkLine(m_display, launcher, magazine);
    }
    return lines;
}

} // namespace kw
