#include "fleet/ui/frmdes.h"

#include "display/sheetfonts.h"
#include "display/twips.h"
#include "fleet/ui/organizerlayout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace kw {

namespace {

const QColor kLightYellow(255, 255, 192);

} // namespace

FrmDes::FrmDes(QWidget* owner) : QFrame(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    // A thin line tells it from the white page below.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setObjectName(QStringLiteral("frmDes"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette tooltip = palette();
    tooltip.setColor(QPalette::Window, tooltip.color(QPalette::ToolTipBase));
    setPalette(tooltip);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblDes"));
    m_label->setFont(windowFont());
    m_label->setAutoFillBackground(true);
    QPalette yellow = m_label->palette();
    yellow.setColor(QPalette::Window, kLightYellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    m_label->setPalette(yellow);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMargin(2);
    m_label->move(frameWidth(), frameWidth());
    resize(twipsToPixels(OrganizerLayout::descriptionWidth), twipsToPixels(OrganizerLayout::descriptionHeight));
}

void FrmDes::showDescription(const QString& description, QPoint topLeft)
{
    QString text = description;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (m_label->text() != text) {
        m_label->setText(text);
        m_label->adjustSize();
    }
    // As designed, unless a long name or class needs more room.
    const QSize designed(twipsToPixels(OrganizerLayout::descriptionWidth),
                         twipsToPixels(OrganizerLayout::descriptionHeight));
    resize(designed.expandedTo(m_label->size() + 2 * QSize(frameWidth(), frameWidth())));
    QPoint place = topLeft;
    if (const QScreen* screen = QGuiApplication::screenAt(topLeft)) {
        const QRect room = screen->availableGeometry();
        place.setX(std::clamp(place.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
        place.setY(std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
    }
    move(place);
    if (!isVisible())
        show();
}

} // namespace kw
