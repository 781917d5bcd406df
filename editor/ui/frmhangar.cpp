#include "editor/ui/frmhangar.h"

#include "display/sheetfonts.h"
#include "display/twips.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kw {

namespace {

// A row's labels are 17 pixels high; ten rows and their gaps fit the 240-pixel viewport.
constexpr double kRowHeightTwips = 255;
constexpr int kViewportWidth = 220;
constexpr int kViewportHeight = 240;
constexpr int kRowHeight = 17;

struct Column {
    int left;
    int width;
};
constexpr Column kBayColumn{4, 34};
constexpr Column kCapacityColumn{44, 62};
constexpr Column kPointsColumn{110, 54};
constexpr Column kMassColumn{168, 48};

QLabel* columnLabel(QWidget* parent, const Column& column, int top, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(column.left, top, column.width, kRowHeight);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(56);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// Puts the controller's text into a field without disturbing a caret that is already right.
void mirrorField(QLineEdit* field, const QString& text, int caret)
{
    if (field->text() != text)
        field->setText(text);
    if (field->hasFocus() && !field->hasSelectedText())
        field->setCursorPosition(caret);
}

} // namespace

FrmHangar::FrmHangar(ShipEditor& editor, QWidget* parent) : QDialog(parent), m_hangars(editor)
{
    build();
    connect(&m_hangars, &HangarEditor::changed, this, &FrmHangar::refresh);
    refresh();
}

void FrmHangar::build()
{
    loadSheetFonts();
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setObjectName(QStringLiteral("frmHangar"));
    setWindowTitle(QStringLiteral(" Hangar Bays"));
    setModal(true);

    m_add = button(QStringLiteral("cmdAdd"), QStringLiteral("Add"), &HangarEditor::add);
    m_modify = button(QStringLiteral("cmdModify"), QStringLiteral("Modify"), &HangarEditor::modify);
    m_remove = button(QStringLiteral("cmdRemove"), QStringLiteral("Remove"), &HangarEditor::remove);
    m_cancelModify = button(QStringLiteral("cmdCancelM"), QStringLiteral("Cancel Modify"), &HangarEditor::cancelModify);
    m_cancelRemove = button(QStringLiteral("cmdCancelR"), QStringLiteral("Cancel Remove"), &HangarEditor::cancelRemove);
    m_okay = new QPushButton(QStringLiteral("Okay"), this);
    m_okay->setObjectName(QStringLiteral("cmdOkay"));
    m_okay->setAutoDefault(false);
    connect(m_okay, &QPushButton::clicked, this, &QDialog::accept);
    keepPlaceWhenHidden(m_cancelModify);
    keepPlaceWhenHidden(m_cancelRemove);

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(8);
    for (QPushButton* b : {m_add, m_modify, m_remove, m_cancelModify, m_cancelRemove})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_okay);

    auto* top = new QHBoxLayout;
    top->addWidget(buildBaysFrame());
    top->addLayout(buttons);

    auto* totals = new QHBoxLayout;
    m_totalPoints = valueLabel(this, QStringLiteral("lblTNPV"));
    m_totalSpace = valueLabel(this, QStringLiteral("lblTSpace"));
    m_totalMass = valueLabel(this, QStringLiteral("lblTMass"));
    const std::pair<const char*, QLabel*> totalLabels[] = {
        {"Total NPV:", m_totalPoints}, {"Total Space:", m_totalSpace}, {"Total Mass:", m_totalMass}};
    for (const auto& [caption, value] : totalLabels) {
        totals->addWidget(new QLabel(QString::fromLatin1(caption), this));
        totals->addWidget(value);
        totals->addSpacing(6);
    }
    totals->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(totals);
    layout->addWidget(buildAddFrame());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* FrmHangar::button(const QString& name, const QString& caption, void (HangarEditor::*action)())
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumWidth(96);
    connect(b, &QPushButton::clicked, &m_hangars, action);
    return b;
}

QGroupBox* FrmHangar::buildBaysFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Bays Currently Installed:"), this);
    frame->setObjectName(QStringLiteral("fraBays"));
    const int viewportLeft = 10;
    const int viewportTop = 44;
    const Column columns[] = {kBayColumn, kCapacityColumn, kPointsColumn, kMassColumn};
    const char* const headings[] = {"Bay:", "Capacity:", "NPV:", "Mass:"};
    for (int i = 0; i < 4; ++i) {
        const Column c{viewportLeft + columns[i].left, columns[i].width};
        columnLabel(frame, c, viewportTop - 20, QString(), QString::fromLatin1(headings[i]));
    }

    auto* border = new QFrame(frame);
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setGeometry(viewportLeft - 2, viewportTop - 2, kViewportWidth + 4, kViewportHeight + 4);
    m_viewport = new QWidget(border);
    m_viewport->setObjectName(QStringLiteral("picCont"));
    m_viewport->setGeometry(2, 2, kViewportWidth, kViewportHeight);
    m_viewport->setAutoFillBackground(true);
    m_viewport->setBackgroundRole(QPalette::Base);
    m_viewport->installEventFilter(this);
    m_panel = new QWidget(m_viewport);
    m_panel->setObjectName(QStringLiteral("picHangMove"));
    m_panel->setGeometry(0, 0, kViewportWidth, kViewportHeight);

    m_scroll = new QScrollBar(Qt::Vertical, frame);
    m_scroll->setObjectName(QStringLiteral("vScroll"));
    m_scroll->setGeometry(viewportLeft + kViewportWidth + 3, viewportTop - 2, 17, kViewportHeight + 4);
    m_scroll->setRange(0, 0);
    connect(m_scroll, &QScrollBar::valueChanged, this, &FrmHangar::applyScroll);

    frame->setFixedSize(viewportLeft + kViewportWidth + 3 + 17 + 8, viewportTop + kViewportHeight + 10);
    return frame;
}

QGroupBox* FrmHangar::buildAddFrame()
{
    m_addFrame = new QGroupBox(QStringLiteral("Select Hangar Capacity or Mass:"), this);
    m_addFrame->setObjectName(QStringLiteral("fraAdd"));
    keepPlaceWhenHidden(m_addFrame);

    auto field = [this](const QString& name, void (HangarEditor::*type)(const QString&, int)) {
        auto* edit = new QLineEdit(QStringLiteral("0"), m_addFrame);
        edit->setObjectName(name);
        edit->setFixedWidth(64);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this,
                [this, edit, type](const QString& text) { (m_hangars.*type)(text, edit->cursorPosition()); });
        return edit;
    };
    m_capacity = field(QStringLiteral("txtCapacity"), &HangarEditor::typeCapacity);
    m_mass = field(QStringLiteral("txtMass"), &HangarEditor::typeMass);
    m_points = new QLabel(QStringLiteral("0"), m_addFrame);
    m_points->setObjectName(QStringLiteral("lblNPV"));
    m_points->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_points->setMinimumWidth(56);
    m_points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_done = new QPushButton(QStringLiteral("Done"), m_addFrame);
    m_done->setObjectName(QStringLiteral("cmdDone"));
    m_done->setAutoDefault(false);
    connect(m_done, &QPushButton::clicked, &m_hangars, &HangarEditor::done);
    m_cancelAddEdit = new QPushButton(QStringLiteral("Cancel"), m_addFrame);
    m_cancelAddEdit->setObjectName(QStringLiteral("cmdCancelAE"));
    m_cancelAddEdit->setAutoDefault(false);
    connect(m_cancelAddEdit, &QPushButton::clicked, &m_hangars, &HangarEditor::cancelAddEdit);

    auto* grid = new QGridLayout(m_addFrame);
    grid->addWidget(new QLabel(QStringLiteral("Capacity:"), m_addFrame), 0, 0);
    grid->addWidget(m_capacity, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Mass:"), m_addFrame), 0, 2);
    grid->addWidget(m_mass, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Points Cost:"), m_addFrame), 0, 4);
    grid->addWidget(m_points, 0, 5);
    auto* doneRow = new QHBoxLayout;
    doneRow->addStretch();
    doneRow->addWidget(m_done);
    doneRow->addWidget(m_cancelAddEdit);
    grid->addLayout(doneRow, 1, 0, 1, 6);
    return m_addFrame;
}

FrmHangar::Row FrmHangar::makeRow()
{
    Row row;
    row.widget = new QWidget(m_panel);
    row.bay = columnLabel(row.widget, kBayColumn, 0, QString(), QString());
    row.bay->setCursor(Qt::PointingHandCursor);
    row.bay->installEventFilter(this);
    row.capacity = columnLabel(row.widget, kCapacityColumn, 0, QString(), QString());
    row.points = columnLabel(row.widget, kPointsColumn, 0, QString(), QString());
    row.mass = columnLabel(row.widget, kMassColumn, 0, QString(), QString());
    auto* line = new QFrame(row.widget);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: #c0c0c0"));
    line->setGeometry(0, kRowHeight + 3, kViewportWidth, 1);
    return row;
}

void FrmHangar::syncRows()
{
    m_bayRows = m_hangars.rows();
    // Only the rows the window can show have widgets: a ship of thousands of bays would
    // otherwise make a widget for each.
    const qsizetype wanted = qMin<qsizetype>(m_bayRows.size(), kHangarVisibleRows + 1);
    while (m_rows.size() > wanted) {
        // The row may be the one whose label was just clicked: let its event finish first.
        QWidget* widget = m_rows.takeLast().widget;
        widget->hide();
        widget->deleteLater();
    }
    while (m_rows.size() < wanted)
        m_rows.append(makeRow());
    const HangarScroll scroll = hangarScroll(static_cast<int>(m_bayRows.size()), kRowHeightTwips,
                                             kViewportHeight * kTwipsPerPixel);
    m_panel->resize(kViewportWidth, twipsToPixels(scroll.panelHeight));
    m_scroll->setRange(0, scroll.maximum);
    m_scroll->setPageStep(kHangarVisibleRows);
    applyScroll();
}

void FrmHangar::applyScroll()
{
    m_panel->move(0, twipsToPixels(hangarPanelTop(m_scroll->value(), kRowHeightTwips)));
    // The row widgets stand for the rows from the first one in view on, each at its place.
    const int first = m_scroll->value();
    for (int i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        row.index = first + i;
        if (row.index >= m_bayRows.size()) {
            row.widget->hide();
            continue;
        }
        const int top = twipsToPixels(hangarRowTop(row.index, kRowHeightTwips)) + 2;
        row.widget->setGeometry(0, top, kViewportWidth, kRowHeight + 4);
        const QString suffix = QStringLiteral("_%1").arg(row.index);
        const HangarRow& bay = m_bayRows[row.index];
        for (auto [label, name, text] : {std::tuple{row.bay, "lblBay", &bay.bay}, std::tuple{row.capacity, "lblSpace", &bay.capacity},
                                         std::tuple{row.points, "lblPoints", &bay.points}, std::tuple{row.mass, "lblMass", &bay.mass}}) {
            label->setObjectName(QLatin1String(name) + suffix);
            label->setText(*text);
        }
        row.widget->show();
    }
}

void FrmHangar::refresh()
{
    syncRows();
    m_totalPoints->setText(m_hangars.totalPoints());
    m_totalSpace->setText(m_hangars.totalSpace());
    m_totalMass->setText(m_hangars.totalMass());

    const bool idle = m_hangars.mainButtonsEnabled();
    for (QPushButton* b : {m_add, m_okay, m_modify, m_remove})
        b->setEnabled(idle);
    m_cancelModify->setVisible(m_hangars.cancelModifyVisible());
    m_cancelRemove->setVisible(m_hangars.cancelRemoveVisible());
    m_addFrame->setVisible(m_hangars.addFrameVisible());

    mirrorField(m_capacity, m_hangars.capacityText(), m_hangars.capacityCaret());
    mirrorField(m_mass, m_hangars.massText(), m_hangars.massCaret());
    m_points->setText(m_hangars.pointsText());

    switch (m_hangars.takeFocusRequest()) {
    case HangarFocus::Capacity: m_capacity->setFocus(); break;
    case HangarFocus::Add: m_add->setFocus(); break;
    case HangarFocus::None: break;
    }
}

void FrmHangar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Escape presses whichever cancel button the current mode shows, and nothing else.
    switch (m_hangars.escapeButton()) {
    case HangarCancelButton::AddEdit: m_cancelAddEdit->click(); break;
    case HangarCancelButton::Modify: m_cancelModify->click(); break;
    case HangarCancelButton::Remove: m_cancelRemove->click(); break;
    case HangarCancelButton::None: break;
    }
    event->accept();
}

bool FrmHangar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_capacity || watched == m_mass)) {
        // A click that gives the focus places its caret afterwards, so select after it.
        auto* edit = static_cast<QLineEdit*>(watched);
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        else
            edit->selectAll();
    } else if (event->type() == QEvent::Wheel && watched == m_viewport) {
        QApplication::sendEvent(m_scroll, event);
        return true;
    } else if (event->type() == QEvent::MouseButtonPress
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (const Row& row : m_rows) {
            if (row.bay == watched) {
                m_hangars.clickBay(row.index);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kw
