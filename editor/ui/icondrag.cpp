#include "editor/ui/icondrag.h"

#include "display/systemicon.h"

#include <QDataStream>
#include <QIODevice>
#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QWidget>
#include <cmath>

namespace kw {

QMimeData* iconDragData(const IconDrag& drag)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(drag.icon) << drag.grab.x() << drag.grab.y();
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kIconDragMimeType), bytes);
    return data;
}

std::optional<IconDrag> readIconDrag(const QMimeData* data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(kIconDragMimeType)))
        return std::nullopt;
    QDataStream in(data->data(QString::fromLatin1(kIconDragMimeType)));
    qint32 icon = 0;
    double x = 0;
    double y = 0;
    in >> icon >> x >> y;
    if (in.status() != QDataStream::Ok || icon < 1 || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return IconDrag{icon, QPointF(x, y)};
}

void runIconDrag(QWidget* source, const SystemIcon& icon, QPointF grab, double zoom)
{
    auto* drag = new QDrag(source);
    drag->setMimeData(iconDragData({icon.index, grab}));
    if (!icon.picture.isNull()) {
        const QSize size = (QSizeF(icon.picture.size()) * zoom).toSize().expandedTo(QSize(1, 1));
        drag->setPixmap(QPixmap::fromImage(icon.picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
        drag->setHotSpot((grab * zoom / kTwipsPerPixel).toPoint());
    }
    drag->exec(Qt::MoveAction);
}

} // namespace kw
