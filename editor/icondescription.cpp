#include "editor/shipeditor.h"

#include "model/shipsystems.h"
#include "model/systemcodes.h"

namespace kw {

namespace {

QString systemName(const ShipSystemRow& row)
{
    QString name = QString::fromLatin1(row.caption);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

QString mountName(const WeaponEntry& mount)
{
    // A battery's kind carries its class ("Class 3 Battery").
    QString text = mount.Kind;
    if (!mount.Details.isEmpty())
        text += QStringLiteral(" (%1)").arg(mount.Details);
    const QString arcs = arcText(mount.Arc);
    text += arcs.isEmpty() ? QStringLiteral(", no arcs") : QStringLiteral(", arcs ") + arcs;
    return text;
}

} // namespace

QString ShipEditor::iconDescription(int index) const
{
    if (index < 1 || index > m_display.iconCount())
        return QString();
    const SystemIcon& icon = m_display.icon(index);
    if (const std::optional<int> number = icon.mountNumber()) {
        // Mounts keep the number of their icon until the next full update, even when others
        // before them were removed.
        for (const WeaponEntry& mount : m_ship.Weapons) {
            if (mount.Number == *number)
                return mountName(mount);
        }
        return QStringLiteral("A weapon mount no longer in the design");
    }
    const ShipSystemRow* row = systemWithIconCode(icon.tag);
    if (!row || !row->caption)
        return icon.tag;
    // Which of its system's icons this is, from 0.
    qsizetype k = 0;
    for (int i = 1; i < index; ++i)
        k += m_display.icon(i).tag == icon.tag ? 1 : 0;
    const QString name = systemName(*row);
    switch (row->storage) {
    case SystemStorage::Count:
        return QStringLiteral("%1: %2 of %3").arg(name).arg(k + 1).arg(m_ship.*row->count);
    case SystemStorage::Space: {
        const QList<int> shares = spaceBoxShares(m_ship.*row->count);
        return k < shares.size() ? QStringLiteral("%1: %2 of %3").arg(name).arg(shares[k]).arg(m_ship.*row->count) : name;
    }
    case SystemStorage::Bays:
        return k < m_ship.HangarCount()
                   ? QStringLiteral("%1: bay %2, capacity %3").arg(name).arg(k + 1).arg(m_ship.Hangars[k])
                   : name;
    case SystemStorage::Flag:
    case SystemStorage::Choice:
        return name;
    }
    return name;
}

} // namespace kw
