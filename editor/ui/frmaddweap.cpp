#include "editor/ui/frmaddweap.h"

#include "common/ui/updown.h"
#include "display/sheetfonts.h"
#include "editor/shipeditor.h"
#include "editor/ui/arcrangeimage.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace kw {

namespace {

// The arc images are the record sheet's 21-pixel marks, shown at twice their size so the
// small marks can be told apart; they sit on a hexagon whose side leaves a gap between them.
constexpr int kImageScale = 2;
constexpr int kImageSize = 21 * kImageScale;
constexpr int kHexRadius = kImageSize + 8;
constexpr int kPictureMargin = 6;
constexpr int kPictureWidth = 2 * kPictureMargin + kImageSize + 2 * (kHexRadius * 866 / 1000 + 1);   // radius x cos 30
constexpr int kPictureHeight = 2 * kPictureMargin + kImageSize + 2 * kHexRadius;
constexpr int kSelectMargin = 3;

// The top-left corner of image i (1 to 6) of a hexagon picture: image 1 at the top, then
// clockwise; the one image of the last picture sits in the middle.
QPoint imagePosition(ArcImage image)
{
    const QPointF centre(kPictureWidth / 2.0, kPictureHeight / 2.0);
    QPointF at = centre;
    if (image.picture < kArcPictureCount) {
        const double angle = (image.image - 1) * M_PI / 3.0;
        at += QPointF(kHexRadius * std::sin(angle), -kHexRadius * std::cos(angle));
    }
    return (at - QPointF(kImageSize / 2.0, kImageSize / 2.0)).toPoint();
}

QLabel* valueLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(40);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    return label;
}

// A value with its up-down control, after an optional caption.
QHBoxLayout* valueRow(const QString& caption, QLabel* value, QWidget* control)
{
    auto* row = new QHBoxLayout;
    if (!caption.isEmpty())
        row->addWidget(new QLabel(caption));
    row->addWidget(value);
    row->addWidget(control);
    row->addStretch();
    return row;
}

QRadioButton* option(const QString& array, int index, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(array + QLatin1Char('_') + QString::number(index));
    return button;
}

} // namespace

FrmAddWeap::FrmAddWeap(ShipEditor& editor, QWidget* parent) : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("frmAddWeap"));
    setWindowTitle(QStringLiteral("Add Weapon"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);
    setFont(windowFont());

    auto* leftColumn = new QWidget(this);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildKindArea());
    left->addWidget(buildOptionFrames());
    left->addWidget(buildNumberRow());
    left->addStretch();
    // Measured while every frame still counts, so the dialog keeps one size for every kind.
    leftColumn->setFixedWidth(leftColumn->sizeHint().width());

    auto* top = new QHBoxLayout;
    top->addWidget(leftColumn);
    top->addWidget(buildArcFrame());

    auto* cmdAdd = new QPushButton(QStringLiteral("Add Selected Weapon"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter must not add weapons by accident; Escape cancels as the dialog always does.
    cmdAdd->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    connect(cmdAdd, &QPushButton::clicked, this, &FrmAddWeap::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(buildCostFrame());
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
}

QWidget* FrmAddWeap::buildKindArea()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Choose Weapon:"), area));
    m_cmbWeapon = new QComboBox(area);
    m_cmbWeapon->setObjectName(QStringLiteral("cmbWeapon"));
    m_cmbWeapon->addItems(AddWeapon::kinds());
    connect(m_cmbWeapon, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_state.chooseKind(index);
        refresh();
    });
    layout->addWidget(m_cmbWeapon);
    return area;
}

QWidget* FrmAddWeap::buildOptionFrames()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto frame = [&](const char* name, const char* caption) {
        auto* box = new QGroupBox(QString::fromLatin1(caption), area);
        box->setObjectName(QString::fromLatin1(name));
        layout->addWidget(box);
        return box;
    };

    m_fraBattery = frame("fraBattery", "Select Class:");
    m_lblClass = valueLabel(QStringLiteral("lblClass"), m_fraBattery);
    auto* battery = new QVBoxLayout(m_fraBattery);
    m_udcClass = upDown("udcClass", AddWeapon::kMinClass, AddWeapon::kMaxClass, m_fraBattery, &AddWeapon::setBatteryClass);
    battery->addLayout(valueRow({}, m_lblClass, m_udcClass));

    m_fraSalvo = frame("fraSalvo", "Select Type:");
    auto* salvo = new QVBoxLayout(m_fraSalvo);
    const char* const salvoTypes[] = {"Standard", "ER"};
    for (int i = 0; i < 2; ++i) {
        m_optSalvo << option(QStringLiteral("optSalvo"), i, QString::fromLatin1(salvoTypes[i]), m_fraSalvo);
        connect(m_optSalvo.last(), &QRadioButton::clicked, this, [this, i] {
            m_state.chooseSalvo(i);
            refresh();
        });
        salvo->addWidget(m_optSalvo.last());
    }

    m_fraMissile = frame("FraMissile", "Select Type:");
    auto* missile = new QVBoxLayout(m_fraMissile);
    const char* const missileTypes[] = {"Standard", "EMP", "Needle"};
    for (int i = 0; i < 3; ++i) {
        m_optMissile << option(QStringLiteral("optMissile"), i, QString::fromLatin1(missileTypes[i]), m_fraMissile);
        connect(m_optMissile.last(), &QRadioButton::clicked, this, [this, i] {
            m_state.chooseMissile(i);
            refresh();
        });
        missile->addWidget(m_optMissile.last());
    }

    m_fraCapacity = frame("fraCapacity", "Select Magazine Mass/Capacity:");
    m_lblCap = valueLabel(QStringLiteral("lblCap"), m_fraCapacity);
    auto* capacity = new QVBoxLayout(m_fraCapacity);
    m_udcSMag = upDown("udcSMag", AddWeapon::kMinMagazine, AddWeapon::kMaxMagazine, m_fraCapacity,
                       &AddWeapon::setMagazineMass);
    capacity->addLayout(valueRow(QStringLiteral("Mass:"), m_lblCap, m_udcSMag));
    capacity->addWidget(new QLabel(QStringLiteral("Standard Salvo mass = 2  ER Salvo mass = 3"), m_fraCapacity));

    m_fraMines = frame("fraMines", "Select Number of Mines to Carry:");
    m_lblMines = valueLabel(QStringLiteral("lblMines"), m_fraMines);
    auto* mines = new QVBoxLayout(m_fraMines);
    m_udcMines = upDown("udcMines", AddWeapon::kMinMines, AddWeapon::kMaxMines, m_fraMines, &AddWeapon::setMines);
    mines->addLayout(valueRow(QStringLiteral("Mines:"), m_lblMines, m_udcMines));
    mines->addWidget(new QLabel(QStringLiteral("Mass = 2=1/mine"), m_fraMines));

    // One frame shows at a time; the area keeps the height of the tallest, so the controls
    // below it stay where they are whichever kind is chosen.
    int tallest = 0;
    for (QGroupBox* box : {m_fraBattery, m_fraSalvo, m_fraMissile, m_fraCapacity, m_fraMines})
        tallest = qMax(tallest, box->sizeHint().height());
    layout->addStretch();
    area->setFixedHeight(tallest);
    return area;
}

UpDown* FrmAddWeap::upDown(const char* name, int minimum, int maximum, QWidget* parent, void (AddWeapon::*apply)(int))
{
    // Each up-down hands its new value to the dialog's state, then everything is shown again.
    auto* control = new UpDown(QString::fromLatin1(name), minimum, maximum, parent);
    connect(control, &UpDown::valueChanged, this, [this, apply](int value) {
        (m_state.*apply)(value);
        refresh();
    });
    return control;
}

QWidget* FrmAddWeap::buildNumberRow()
{
    auto* row = new QWidget(this);
    m_lblNumber = valueLabel(QStringLiteral("lblNumber"), row);
    m_udcNumber = upDown("udcNumber", AddWeapon::kMinNumber, AddWeapon::kMaxNumber, row, &AddWeapon::setNumber);
    auto* layout = valueRow(QStringLiteral("Number to Install:"), m_lblNumber, m_udcNumber);
    layout->setContentsMargins(0, 0, 0, 0);
    row->setLayout(layout);
    return row;
}

QGroupBox* FrmAddWeap::buildArcFrame()
{
    m_fraArcs = new QGroupBox(QStringLiteral("Select an arc range:"), this);
    m_fraArcs->setObjectName(QStringLiteral("fraArcs"));
    QSizePolicy keep = m_fraArcs->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_fraArcs->setSizePolicy(keep);
    auto* grid = new QGridLayout(m_fraArcs);
    for (int picture = 1; picture <= kArcPictureCount; ++picture) {
        m_picArc << buildArcPicture(picture);
        grid->addWidget(m_picArc.last(), (picture - 1) / 3, (picture - 1) % 3);
    }

    m_shpArcSelect = new QFrame(m_picArc.first());
    m_shpArcSelect->setObjectName(QStringLiteral("shpArcSelect"));
    m_shpArcSelect->setStyleSheet(QStringLiteral("QFrame#shpArcSelect { border: 2px solid #c01010; background: transparent; }"));
    m_shpArcSelect->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_shpArcSelect->resize(kImageSize + 2 * kSelectMargin, kImageSize + 2 * kSelectMargin);
    return m_fraArcs;
}

QWidget* FrmAddWeap::buildArcPicture(int picture)
{
    auto* box = new QFrame(m_fraArcs);
    box->setObjectName(QStringLiteral("picArc%1").arg(picture));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setFixedSize(kPictureWidth, kPictureHeight);
    QSizePolicy keep = box->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    box->setSizePolicy(keep);
    for (int i = 1; i <= arcImagesIn(picture); ++i) {
        const ArcImage id{picture, i};
        auto* image = new QLabel(box);
        image->setObjectName(picture == kArcPictureCount ? QStringLiteral("ImgArcAll")
                                                         : QStringLiteral("ImgArc%1_%2").arg(picture).arg(i));
        image->setPixmap(QPixmap::fromImage(arcRangeImage(arcsOfImage(id), kImageScale)));
        image->setGeometry(QRect(imagePosition(id), QSize(kImageSize, kImageSize)));
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
        m_arcImages.insert(image, id);
        m_imageOf[picture - 1][i - 1] = image;
    }
    return box;
}

QGroupBox* FrmAddWeap::buildCostFrame()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraCosts"));
    auto* layout = new QHBoxLayout(frame);
    auto* cmdCalc = new QPushButton(QStringLiteral("Calculate"), frame);
    cmdCalc->setObjectName(QStringLiteral("cmdCalc"));
    cmdCalc->setAutoDefault(false);
    connect(cmdCalc, &QPushButton::clicked, this, &FrmAddWeap::refresh);
    layout->addWidget(cmdCalc, 0, Qt::AlignVCenter);
    layout->addSpacing(20);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("For 1"), frame), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("For All"), frame), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Weapon Mass:"), frame), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Weapon NPV Cost:"), frame), 2, 0);
    m_lblMass = valueLabel(QStringLiteral("lblMass"), frame);
    m_lblCost = valueLabel(QStringLiteral("lblCost"), frame);
    m_lblMassTotal = valueLabel(QStringLiteral("lblMassTotal"), frame);
    m_lblCostTotal = valueLabel(QStringLiteral("lblCostTotal"), frame);
    for (QLabel* figure : {m_lblMass, m_lblCost, m_lblMassTotal, m_lblCostTotal})
        figure->setMinimumWidth(60);
    grid->addWidget(m_lblMass, 1, 1);
    grid->addWidget(m_lblMassTotal, 1, 2);
    grid->addWidget(m_lblCost, 2, 1);
    grid->addWidget(m_lblCostTotal, 2, 2);
    layout->addLayout(grid);
    layout->addStretch();
    return frame;
}

bool FrmAddWeap::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto it = m_arcImages.constFind(watched);
        if (it != m_arcImages.constEnd()) {
            m_state.clickArcImage(*it);
            refresh();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAddWeap::cmdAdd_Click()
{
    m_editor.addWeapons(m_state.mounts());
    accept();
}

void FrmAddWeap::refresh()
{
    const AddWeaponLayout& shown = m_state.layout();
    {
        const QSignalBlocker quiet(m_cmbWeapon);
        m_cmbWeapon->setCurrentIndex(m_state.kindIndex());
    }
    m_fraBattery->setVisible(shown.battery);
    m_fraSalvo->setVisible(shown.salvo);
    m_fraMissile->setVisible(shown.missile);
    m_fraCapacity->setVisible(shown.capacity);
    m_fraMines->setVisible(shown.mines);
    m_fraArcs->setVisible(shown.arcs);
    for (int p = 0; p < kArcPictureCount; ++p)
        m_picArc[p]->setVisible(shown.arcPictures[p]);

    const std::pair<QLabel*, UpDown*> values[] = {
        {m_lblClass, m_udcClass}, {m_lblCap, m_udcSMag}, {m_lblMines, m_udcMines}, {m_lblNumber, m_udcNumber}};
    const int numbers[] = {m_state.batteryClass(), m_state.magazineMass(), m_state.mines(), m_state.number()};
    for (int i = 0; i < 4; ++i) {
        values[i].first->setText(QString::number(numbers[i]));
        values[i].second->setValue(numbers[i]);
    }
    for (int i = 0; i < m_optSalvo.size(); ++i)
        m_optSalvo[i]->setChecked(m_state.salvoOption() == i);
    for (int i = 0; i < m_optMissile.size(); ++i)
        m_optMissile[i]->setChecked(m_state.missileOption() == i);
    placeSelectionFrame();

    const WeaponFigures one = m_state.figuresForOne();
    const WeaponFigures all = m_state.figuresForAll();
    m_lblMass->setText(QString::number(one.mass));
    m_lblCost->setText(QString::number(one.cost));
    m_lblMassTotal->setText(QString::number(all.mass));
    m_lblCostTotal->setText(QString::number(all.cost));
}

void FrmAddWeap::placeSelectionFrame()
{
    const std::optional<ArcImage> chosen = m_state.selectedImage();
    if (!chosen) {
        m_shpArcSelect->hide();
        return;
    }
    QLabel* image = m_imageOf[chosen->picture - 1][chosen->image - 1];
    if (m_shpArcSelect->parentWidget() != image->parentWidget())
        m_shpArcSelect->setParent(image->parentWidget());
    m_shpArcSelect->move(image->pos() - QPoint(kSelectMargin, kSelectMargin));
    m_shpArcSelect->raise();
    m_shpArcSelect->show();
}

} // namespace kw
