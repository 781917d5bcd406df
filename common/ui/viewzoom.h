#pragma once

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>
#include <cmath>

class QAction;
class QLabel;
class QMenuBar;
class QPainter;
class QWheelEvent;

namespace kw {

// How large a view shows a page measured in twips: one of a few steps from 50 % to 400 %.
// It is a setting of the view alone: the page keeps its twips, only the view converts, and
// nothing of it is saved with a design or a fleet.
class ViewZoom : public QObject {
    Q_OBJECT

public:
    static constexpr std::array<int, 9> kSteps{50, 67, 75, 100, 125, 150, 200, 300, 400};

    explicit ViewZoom(QObject* parent = nullptr);

    int percent() const { return m_percent; }
    double factor() const { return m_percent / 100.0; }
    // Takes the nearest step.
    void setPercent(int percent);
    void zoomIn();
    void zoomOut();
    void reset() { setPercent(100); }
    // Ctrl with the wheel: a step per notch. True when the event was taken.
    bool wheel(QWheelEvent* event);

    // A point of the view in whole pixels to page twips, rounded to whole twips as the page
    // works; at 100 % a pixel is 15 twips.
    QPointF toTwips(QPointF pixel) const;
    // Page twips to view pixels, unrounded and rounded.
    double pixelsOf(double twips) const;
    QPointF pixelsOf(QPointF twips) const { return {pixelsOf(twips.x()), pixelsOf(twips.y())}; }
    int wholePixels(double twips) const;
    QRect pixelRect(double left, double top, double width, double height) const;
    // A painter that draws a page in its 100 % pixels draws it at this zoom. Pictures are
    // enlarged pixel for pixel where every picture pixel is a whole number of device pixels,
    // smoothly only where it is not.
    void applyTo(QPainter& painter, double devicePixelRatio) const;
    // How many device pixels a page pixel covers, rounded up: pictures painted with that many
    // to each of their pixels stay sharp.
    static int detail(double scale) { return qMax(1, static_cast<int>(std::ceil(scale - 1e-6))); }
    int detail(const QPainter& painter) const;

    // Adds the "&View" menu to the window's bar, before "&Tools" (at the end when there is no
    // Tools menu), with the zoom items and their keys, and shows the zoom at the bar's right.
    void addViewMenu(QMenuBar* bar);
    QAction* zoomInItem() const { return m_in; }
    QAction* zoomOutItem() const { return m_out; }
    QAction* actualSizeItem() const { return m_actual; }
    QLabel* indicator() const { return m_indicator; }

Q_SIGNALS:
    void changed();

private:
    void showState();

    int m_percent = 100;
    double m_wheelAngle = 0;
    QAction* m_in = nullptr;
    QAction* m_out = nullptr;
    QAction* m_actual = nullptr;
    QLabel* m_indicator = nullptr;
};

} // namespace kw
