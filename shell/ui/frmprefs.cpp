#include "shell/ui/frmprefs.h"

#include "common/ui/frmeditsidenames.h"
#include "common/ui/namedbutton.h"
#include "display/sheetfonts.h"
#include "shell/preferences.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kw {

FrmPrefs::FrmPrefs(Preferences& preferences, const QString& programFolder, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_preferences(preferences), m_programFolder(programFolder), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmPrefs"));
    setWindowTitle(QStringLiteral("Keelwright Preferences"));
    setFont(windowFont());

    auto* associations = new QGroupBox(QStringLiteral("File Associations"), this);
    m_ship = new QCheckBox(QStringLiteral("Associate with .shp ship files"), associations);
    m_ship->setObjectName(QStringLiteral("chkAssocShip"));
    m_fleet = new QCheckBox(QStringLiteral("Associate with .flt fleet files"), associations);
    m_fleet->setObjectName(QStringLiteral("chkAssocFleet"));
    auto* boxes = new QVBoxLayout(associations);
    boxes->addWidget(m_ship);
    boxes->addWidget(m_fleet);
    connect(m_ship, &QCheckBox::toggled, this, [this](bool on) { m_preferences.setAssociated(FileKind::Ship, on); });
    connect(m_fleet, &QCheckBox::toggled, this, [this](bool on) { m_preferences.setAssociated(FileKind::Fleet, on); });

    m_keepLayout = new QCheckBox(QStringLiteral("Keep laid-out systems in place when the display is updated"), this);
    m_keepLayout->setObjectName(QStringLiteral("chkKeepLayout"));
    connect(m_keepLayout, &QCheckBox::toggled, this, [this](bool on) { m_preferences.setKeepLayout(on); });

    QPushButton* sides = namedButton("cmdEditSides", QStringLiteral("Edit Side Names"), this);
    connect(sides, &QPushButton::clicked, this, &FrmPrefs::cmdEditSides_Click);
    m_okay = namedButton("cmdOkay", QStringLiteral("Okay"), this);
    m_okay->setDefault(true);
    connect(m_okay, &QPushButton::clicked, this, &FrmPrefs::cmdOkay_Click);
    m_cancel = namedButton("cmdCancel", QStringLiteral("Cancel"), this);
    connect(m_cancel, &QPushButton::clicked, this, &FrmPrefs::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(associations);
    layout->addWidget(m_keepLayout);
    layout->addWidget(sides, 0, Qt::AlignLeft);
    layout->addSpacing(10);
    // Okay and Cancel sit at the right; Okay alone sits in the middle.
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addStretch(1);
    m_buttonRow->addWidget(m_okay);
    m_buttonRow->addWidget(m_cancel);
    m_buttonRow->addStretch(0);
    layout->addLayout(m_buttonRow);
    setFixedWidth(340);

    connect(&m_preferences, &Preferences::changed, this, &FrmPrefs::mirror);
    mirror();
}

void FrmPrefs::mirror()
{
    for (auto [box, kind] : {std::pair{m_ship, FileKind::Ship}, std::pair{m_fleet, FileKind::Fleet}}) {
        const QSignalBlocker block(box);
        box->setChecked(m_preferences.associated(kind));
    }
    const QSignalBlocker block(m_keepLayout);
    m_keepLayout->setChecked(m_preferences.keepLayout());
    m_cancel->setVisible(m_preferences.cancelAvailable());
    m_cancel->setEnabled(m_preferences.cancelAvailable());
    m_buttonRow->setStretch(3, m_preferences.cancelAvailable() ? 0 : 1);
}

void FrmPrefs::cmdEditSides_Click()
{
    FrmEditSideNames sides(m_programFolder, m_prompts, this);
    sides.exec();
}

void FrmPrefs::cmdOkay_Click()
{
    m_preferences.cmdOkay_Click();
    accept();
}

void FrmPrefs::reject()
{
    // Escape and the close box: refused at a first run, "Cancel" otherwise.
    if (m_preferences.mayClose())
        QDialog::reject();
}

void FrmPrefs::closeEvent(QCloseEvent* event)
{
    if (!m_preferences.mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace kw
