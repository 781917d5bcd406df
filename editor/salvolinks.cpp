#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "display/sheetpainter.h"

namespace kw {

namespace {

enum class SalvoEnd { None, Launcher, Magazine };

// Which end of a link an icon can be: only the icons of salvo launcher and salvo magazine
// mounts can be linked.
SalvoEnd salvoEndOf(const SystemIcon& icon, const QList<WeaponEntry>& weapons)
{
    const std::optional<int> mount = icon.mountNumber();
    if (!mount || *mount < 0 || *mount >= weapons.size())
        return SalvoEnd::None;
    const QString& kind = weapons[*mount].Kind;
    if (kind == QLatin1String("Salvo Launcher"))
        return SalvoEnd::Launcher;
    if (kind == QLatin1String("Salvo Magazine"))
        return SalvoEnd::Magazine;
    return SalvoEnd::None;
}

// Every launcher can feed from every magazine once; while fewer links exist, more can be made.
bool moreLinksPossible(const DisplayModel& display, const ShipRecord& ship)
{
    qint64 launchers = 0;
    qint64 magazines = 0;
    for (const SystemIcon& icon : display.icons()) {
        const SalvoEnd end = salvoEndOf(icon, ship.Weapons);
        launchers += end == SalvoEnd::Launcher ? 1 : 0;
        magazines += end == SalvoEnd::Magazine ? 1 : 0;
    }
    return launchers * magazines > ship.SalvoLinkCount;
}

} // namespace

void ShipEditor::startLink()
{
    if (m_editMode != EditMode::Normal || !m_controls.linkVisible)
        return;
    ChangeScope scope(*this);
    m_prompts.tell(QStringLiteral("Click on a magazine and a Launcher to connect them."));
    m_editMode = EditMode::Linking;
    m_controls.cancelLinkVisible = true;
    m_controls.linkVisible = false;
    ++m_ship.SalvoLinkCount;
    m_ship.SalvoLauncherIcon.resize(m_ship.SalvoLinkCount + 1);
    m_ship.SalvoMagazineIcon.resize(m_ship.SalvoLinkCount + 1);
}

void ShipEditor::cancelLink()
{
    if (m_editMode != EditMode::Linking)
        return;
    ChangeScope scope(*this);
    if (m_ship.SalvoLinkCount > 0) {
        --m_ship.SalvoLinkCount;
        m_ship.SalvoLauncherIcon.resize(m_ship.SalvoLinkCount + 1);
        m_ship.SalvoMagazineIcon.resize(m_ship.SalvoLinkCount + 1);
    }
    m_editMode = EditMode::Normal;
    m_controls.cancelLinkVisible = false;
    m_controls.linkVisible = true;
}

void ShipEditor::chooseLinkEnd(int iconIndex)
{
    const int n = m_ship.SalvoLinkCount;
    if (m_editMode != EditMode::Linking || iconIndex < 1 || iconIndex > m_display.iconCount() || n < 1
        || n >= m_ship.SalvoLauncherIcon.size() || n >= m_ship.SalvoMagazineIcon.size())
        return;
    // A line can only be drawn between icons on the display, so icons still waiting in the
    // holding box are not taken; the user may place them and click again.
    const SystemIcon& icon = m_display.icon(iconIndex);
    if (!icon.placed())
        return;
    ChangeScope scope(*this);
    int& launcher = m_ship.SalvoLauncherIcon[n];
    int& magazine = m_ship.SalvoMagazineIcon[n];
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
    m_editMode = EditMode::Normal;
    m_controls.linkVisible = moreLinksPossible(m_display, m_ship);
    m_controls.cancelLinkVisible = false;
    // Links are stored with the design, so a new one is a change worth saving.
    m_shipChanged = true;
}

QList<QLineF> ShipEditor::shownLinkLines() const
{
    QList<QLineF> lines;
    const int count = qMin<qsizetype>(m_ship.SalvoLinkCount, qMin(m_ship.SalvoLauncherIcon.size(), m_ship.SalvoMagazineIcon.size()) - 1);
    for (int k = 1; k <= count; ++k) {
        const int launcher = m_ship.SalvoLauncherIcon[k];
        const int magazine = m_ship.SalvoMagazineIcon[k];
        if (launcher < 1 || magazine < 1 || launcher > m_display.iconCount() || magazine > m_display.iconCount())
            continue;
        if (m_display.icon(launcher).placed() && m_display.icon(magazine).placed())
            lines << salvoLinkLine(m_display, launcher, magazine);
    }
    return lines;
}

} // namespace kw
