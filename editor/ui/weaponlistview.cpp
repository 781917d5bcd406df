#include "editor/ui/weaponlistview.h"

#include "display/sheetfonts.h"
#include "display/twips.h"
#include "editor/shipeditor.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

namespace kw {

namespace {

constexpr int kFrameWidth = 2;
constexpr int kGap = 4;          // between columns; the separating line sits in its middle
constexpr int kLeftPad = 2;
constexpr int kMinNameWidth = 80;
constexpr int kPreferredNameWidth = 150;

const char* const kNames[] = {"lblNum", "lblWeapon", "lblArcs", "tmfWeap", "npvWeap", "lblDetails"};
const char* const kHeadings[] = {nullptr, "Weapons:", "Arcs:", "Mass:", "Cost:", "Details:"};
const Qt::Alignment kAlign[] = {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                Qt::AlignLeft | Qt::AlignVCenter,  Qt::AlignCenter,
                                Qt::AlignCenter,                   Qt::AlignLeft | Qt::AlignVCenter};

int viewportHeight()
{
    return twipsToPixels(kWeaponListViewTwips);
}

} // namespace

WeaponListView::WeaponListView(ShipEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("WeaponList"));
    setFont(windowFont());

    // Every column but the weapon's name is as wide as its widest possible text; the name
    // takes what the tab leaves.
    const QFontMetrics metrics(font());
    auto wide = [&metrics](std::initializer_list<const char*> texts) {
        int widest = 0;
        for (const char* t : texts)
            widest = qMax(widest, metrics.horizontalAdvance(QString::fromLatin1(t)));
        return widest + 4;
    };
    m_fixedWidths = {wide({"20"}), 0, wide({"1,2,3,4,5,6", "Arcs:"}), wide({"Mass:", "1152"}),
                     wide({"Cost:", "3456"}), wide({"Details:", "Needle"})};
    m_headingHeight = metrics.height() + 2;

    for (int c = Weapon; c < ColumnCount; ++c) {
        m_headings[c] = new QLabel(QString::fromLatin1(kHeadings[c]), this);
        m_headings[c]->setAlignment(c == Mass || c == Cost ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }

    m_picWeapCont = new QFrame(this);
    m_picWeapCont->setObjectName(QStringLiteral("picWeapCont"));
    m_picWeapCont->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picWeapCont->setLineWidth(kFrameWidth);
    m_picWeapCont->installEventFilter(this);

    // The canvas lives in a clipping child inside the border, so rows scrolled out of view never
    // paint over the frame.
    m_viewport = new QWidget(m_picWeapCont);
    m_picWeapList = new QWidget(m_viewport);
    m_picWeapList->setObjectName(QStringLiteral("picWeapList"));
    m_picWeapList->setAutoFillBackground(true);
    m_picWeapList->setBackgroundRole(QPalette::Base);
    for (int c = Weapon; c < ColumnCount; ++c) {
        auto* line = new QFrame(m_picWeapList);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Plain);
        line->setForegroundRole(QPalette::Mid);
        m_columnLines << line;
    }

    m_vslWeapons = new QScrollBar(Qt::Vertical, this);
    m_vslWeapons->setObjectName(QStringLiteral("vslWeapons"));
    m_vslWeapons->setPageStep(16);
    connect(m_vslWeapons, &QScrollBar::valueChanged, this, &WeaponListView::scrollTo);

    setMinimumSize(minimumSizeHint());
    connect(&m_editor, &ShipEditor::changed, this, &WeaponListView::designChanged);
    relayout();
    ShowWeapList();
}

int WeaponListView::fixedColumnsWidth() const
{
    int sum = kLeftPad + kGap * (ColumnCount - 1);
    for (int w : m_fixedWidths)
        sum += w;
    return sum;
}

QSize WeaponListView::sizeHint() const
{
    return {fixedColumnsWidth() + kPreferredNameWidth + 2 * kFrameWidth + m_vslWeapons->sizeHint().width(),
            m_headingHeight + viewportHeight() + 2 * kFrameWidth};
}

QSize WeaponListView::minimumSizeHint() const
{
    return {fixedColumnsWidth() + kMinNameWidth + 2 * kFrameWidth + m_vslWeapons->sizeHint().width(),
            m_headingHeight + viewportHeight() + 2 * kFrameWidth};
}

void WeaponListView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void WeaponListView::relayout()
{
    const int barWidth = m_vslWeapons->sizeHint().width();
    const int containerWidth = qMax(minimumSizeHint().width(), width()) - barWidth;
    const int canvasWidth = containerWidth - 2 * kFrameWidth;
    const int containerHeight = viewportHeight() + 2 * kFrameWidth;

    m_picWeapCont->setGeometry(0, m_headingHeight, containerWidth, containerHeight);
    m_viewport->setGeometry(kFrameWidth, kFrameWidth, canvasWidth, viewportHeight());
    m_vslWeapons->setGeometry(containerWidth, m_headingHeight, barWidth, containerHeight);
    m_picWeapList->setFixedWidth(canvasWidth);

    int left = kLeftPad;
    for (int c = 0; c < ColumnCount; ++c) {
        const int w = c == Weapon ? canvasWidth - fixedColumnsWidth() : m_fixedWidths[c];
        m_columns[c] = {left, w};
        left += w + kGap;
    }
    // "Weapons:" heads the count and the name together.
    for (int c = Weapon; c < ColumnCount; ++c) {
        const int from = c == Weapon ? 0 : m_columns[c].first;
        const int to = m_columns[c].first + m_columns[c].second;
        m_headings[c]->setGeometry(from + kFrameWidth, 0, to - from, m_headingHeight);
        m_columnLines[c - 1]->setGeometry(m_columns[c].first - kGap / 2 - 1, 0, 1, m_columnLines[c - 1]->height());
    }
    showRows();
}

void WeaponListView::designChanged()
{
    // Most changes of the design leave its weapons alone; keep the rows and the scroll position.
    if (m_editor.weaponListRows() != m_rows)
        ShowWeapList();
}

void WeaponListView::ShowWeapList()
{
    m_rows = m_editor.weaponListRows();
    // The first row is always there, blank and without a count when there is nothing to show.
    // Only the rows the window can show have labels: a design of thousands of different mounts
    // would otherwise make a widget for each of its cells.
    const int wanted = qMin(kLabelledRows, qMax<int>(1, m_rows.size()));
    while (m_rowLabels.size() > wanted)
        dropRow(m_rowLabels.takeLast());
    while (m_rowLabels.size() < wanted)
        m_rowLabels << makeRow();

    const WeaponListScroll scroll = weaponListScroll(static_cast<int>(m_rows.size()));
    m_picWeapList->setFixedHeight(twipsToPixels(scroll.canvasHeight));
    for (QFrame* line : m_columnLines)
        line->setGeometry(line->x(), 0, 1, twipsToPixels(scroll.canvasHeight - 10));
    m_vslWeapons->setRange(0, scroll.maximum);
    m_vslWeapons->setValue(0);
    scrollTo(0);
}

void WeaponListView::showRows()
{
    // The labels stand for the rows from the first one in view on, each at its place on the canvas.
    const int first = qBound(0, m_vslWeapons->value(), qMax(0, static_cast<int>(m_rows.size()) - 1));
    for (int i = 0; i < m_rowLabels.size(); ++i) {
        const int row = first + i;
        const RowLabels& labels = m_rowLabels[i];
        for (int c = 0; c < ColumnCount; ++c)
            labels[c]->setObjectName(QString::fromLatin1(kNames[c]) + QLatin1Char('_') + QString::number(row));
        labels[Weapon]->setProperty("weaponRow", row);
        placeRow(labels, row);
        fillRow(labels, row < m_rows.size() ? m_rows[row] : WeaponListRow{});
    }
}

WeaponListView::RowLabels WeaponListView::makeRow()
{
    RowLabels labels{};
    for (int c = 0; c < ColumnCount; ++c) {
        auto* label = new QLabel(m_picWeapList);
        label->setAlignment(kAlign[c]);
        labels[c] = label;
    }
    // The weapon's name gets its tip with its text.
    static const char* const tips[ColumnCount] = {"How many mounts of this row", nullptr, "Fire arcs", "Mass of one mount",
                                                  "Points cost of one mount",
                                                  "Magazine mass, mines, or the kind of missile or rack"};
    for (int c = 0; c < ColumnCount; ++c)
        labels[c]->setToolTip(QString::fromLatin1(tips[c]));
    labels[Weapon]->setCursor(Qt::PointingHandCursor);
    labels[Weapon]->installEventFilter(this);
    return labels;
}

void WeaponListView::placeRow(const RowLabels& labels, int index)
{
    const int top = twipsToPixels(weaponRowTop(index));
    const int height = twipsToPixels(kWeaponRowHeightTwips);
    for (int c = 0; c < ColumnCount; ++c)
        labels[c]->setGeometry(m_columns[c].first, top, m_columns[c].second, height);
}

void WeaponListView::dropRow(const RowLabels& labels)
{
    // A row may go away while its own click is being handled (removing its last mount), so
    // it is retired now and deleted once that event is over.
    for (QLabel* label : labels) {
        label->removeEventFilter(this);
        label->setObjectName(QString());
        label->hide();
        label->deleteLater();
    }
}

void WeaponListView::fillRow(const RowLabels& labels, const WeaponListRow& row)
{
    labels[Num]->setText(row.count > 0 ? QString::number(row.count) : QString());
    labels[Num]->setVisible(row.count > 0);
    labels[Weapon]->setText(row.kind);
    // The whole name, which the column may cut short, and what a click on it does.
    labels[Weapon]->setToolTip((row.kind.isEmpty() ? QString() : row.kind + QStringLiteral(": "))
                               + QStringLiteral("click while removing a weapon to remove one of these"));
    labels[Arcs]->setText(row.arcs);
    labels[Mass]->setText(row.mass);
    labels[Cost]->setText(row.cost);
    labels[Details]->setText(row.details);
    for (int c = Weapon; c < ColumnCount; ++c)
        labels[c]->show();
}

void WeaponListView::scrollTo(int value)
{
    m_picWeapList->move(0, twipsToPixels(weaponListTop(value)));
    showRows();
}

bool WeaponListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picWeapCont && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(m_vslWeapons, event);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            m_editor.chooseWeaponRow(label->property("weaponRow").toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kw
