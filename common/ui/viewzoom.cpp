#include "common/ui/viewzoom.h"

#include "model/iconunits.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace kw {

namespace {

// The wheel reports eighths of a degree; a notch of most wheels is 15 degrees.
constexpr double kNotch = 120;

QAction* toolsMenuOf(QMenuBar* bar)
{
    for (QAction* action : bar->actions()) {
        if (action->menu() && (action->menu()->objectName() == QLatin1String("mnuTools")
                               || action->text() == QLatin1String("&Tools")))
            return action;
    }
    return nullptr;
}

} // namespace

ViewZoom::ViewZoom(QObject* parent) : QObject(parent) {}

void ViewZoom::setPercent(int percent)
{
    const int* nearest = std::min_element(kSteps.begin(), kSteps.end(), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
    if (*nearest == m_percent)
        return;
    m_percent = *nearest;
    showState();
    Q_EMIT changed();
}

void ViewZoom::zoomIn()
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), m_percent);
    if (next != kSteps.end())
        setPercent(*next);
}

void ViewZoom::zoomOut()
{
    const auto at = std::lower_bound(kSteps.begin(), kSteps.end(), m_percent);
    if (at != kSteps.begin())
        setPercent(*(at - 1));
}

bool ViewZoom::wheel(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier))
        return false;
    // Touchpads send small steps; a step of the zoom waits for a whole notch.
    m_wheelAngle += event->angleDelta().y();
    for (; m_wheelAngle >= kNotch; m_wheelAngle -= kNotch)
        zoomIn();
    for (; m_wheelAngle <= -kNotch; m_wheelAngle += kNotch)
        zoomOut();
    event->accept();
    return true;
}

QPointF ViewZoom::toTwips(QPointF pixel) const
{
    const QPointF whole = QPointF(pixel.toPoint()) * kTwipsPerPixel / factor();
    return {std::round(whole.x()), std::round(whole.y())};
}

double ViewZoom::pixelsOf(double twips) const
{
    return twips * factor() / kTwipsPerPixel;
}

int ViewZoom::wholePixels(double twips) const
{
    return static_cast<int>(std::lround(pixelsOf(twips)));
}

QRect ViewZoom::pixelRect(double left, double top, double width, double height) const
{
    return {wholePixels(left), wholePixels(top), wholePixels(width), wholePixels(height)};
}

void ViewZoom::applyTo(QPainter& painter, double devicePixelRatio) const
{
    painter.scale(factor(), factor());
    const double scale = factor() * devicePixelRatio;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(scale - std::round(scale)) > 1e-6);
}

int ViewZoom::detail(const QPainter& painter) const
{
    return detail(factor() * (painter.device() ? painter.device()->devicePixelRatio() : 1.0));
}

void ViewZoom::addViewMenu(QMenuBar* bar)
{
    auto* view = new QMenu(QStringLiteral("&View"), bar);
    view->setObjectName(QStringLiteral("mnuView"));
    bar->insertMenu(toolsMenuOf(bar), view);
    m_in = view->addAction(QStringLiteral("Zoom &In"), this, &ViewZoom::zoomIn);
    m_in->setObjectName(QStringLiteral("mnuViewZoomIn"));
    m_in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_out = view->addAction(QStringLiteral("Zoom &Out"), this, &ViewZoom::zoomOut);
    m_out->setObjectName(QStringLiteral("mnuViewZoomOut"));
    m_out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_actual = view->addAction(QStringLiteral("&Actual Size"), this, &ViewZoom::reset);
    m_actual->setObjectName(QStringLiteral("mnuViewActualSize"));
    m_actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_indicator = new QLabel(bar);
    m_indicator->setObjectName(QStringLiteral("lblZoom"));
    m_indicator->setContentsMargins(0, 0, 6, 0);
    m_indicator->setToolTip(QStringLiteral("Zoom of the sheet (Ctrl+wheel, Ctrl++, Ctrl+-, Ctrl+0)"));
    bar->setCornerWidget(m_indicator, Qt::TopRightCorner);
    showState();
}

void ViewZoom::showState()
{
    if (m_indicator)
        m_indicator->setText(QStringLiteral("%1 %").arg(m_percent));
    if (m_in) {
        m_in->setEnabled(m_percent < kSteps.back());
        m_out->setEnabled(m_percent > kSteps.front());
    }
}

} // namespace kw
