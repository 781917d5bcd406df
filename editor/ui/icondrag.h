#pragma once

#include <QPointF>
#include <optional>

class QMimeData;
class QWidget;

namespace kw {

struct SystemIcon;

// The one MIME type a system icon travels under while it is dragged between the holding box
// and the System Display.
inline constexpr char kIconDragMimeType[] = "application/x-keelwright-system-icon";

// What a dragged icon carries: its index and where the pointer held it (twips inside the icon).
struct IconDrag {
    int icon = 0;
    QPointF grab;
};

QMimeData* iconDragData(const IconDrag& drag);
// The dragged icon, or nothing for a drag of something else or a damaged payload.
std::optional<IconDrag> readIconDrag(const QMimeData* data);

// Drags the icon from a view shown at the zoom; its picture follows the pointer, held where it
// was grabbed.
void runIconDrag(QWidget* source, const SystemIcon& icon, QPointF grab, double zoom = 1);

} // namespace kw
