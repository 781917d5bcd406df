#include "display/displaymodel.h"

namespace kw {

SystemIcon& DisplayModel::appendIcon(const QString& tag, IconContainer container, float left, float top,
                                     float width, float height)
{
    SystemIcon icon;
    icon.index = iconCount() + 1;
    icon.tag = tag;
    icon.container = container;
    icon.left = left;
    icon.top = top;
    icon.width = width;
    icon.height = height;
    m_icons.append(std::move(icon));
    return m_icons.last();
}

void DisplayModel::removeAllIcons()
{
    m_icons.clear();
    // A selection names icons by index; the next icon set reuses the indices.
    SelectedIcons.clear();
    SelectionActive = false;
}

int DisplayModel::findIcon(const QString& tag) const
{
    for (const SystemIcon& icon : m_icons) {
        if (icon.tag == tag)
            return icon.index;
    }
    return 0;
}

QList<int> DisplayModel::iconsWithCode(const QString& tag) const
{
    QList<int> found;
    for (const SystemIcon& icon : m_icons) {
        if (icon.tag == tag)
            found << icon.index;
    }
    return found;
}

bool DisplayModel::allPlaced() const
{
    for (const SystemIcon& icon : m_icons) {
        if (!icon.placed())
            return false;
    }
    return true;
}

void DisplayModel::moveIcon(int index, IconContainer container, float left, float top)
{
    SystemIcon& moved = icon(index);
    moved.container = container;
    moved.left = left;
    moved.top = top;
}

} // namespace kw
