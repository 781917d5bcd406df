#include "shell/ui/frmmenu.h"

#include "common/ui/namedbutton.h"
#include "display/sheetfonts.h"
#include "shell/linkopener.h"
#include "shell/programinfo.h"
#include "shell/ui/linklabel.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kw {

void LinkPair::makeBlue() const
{
    web->setHovered(false);
    email->setHovered(false);
}

LinkPair addLinks(QWidget* window, LinkOpener& opener)
{
    LinkPair pair{new LinkLabel(QStringLiteral("lblLink"), webAddress(), window),
                  new LinkLabel(QStringLiteral("lblEmail"), emailAddress(), window)};
    QObject::connect(pair.web, &LinkLabel::clicked, window, [&opener] { opener.OpenWithShell(webLinkTarget()); });
    QObject::connect(pair.email, &LinkLabel::clicked, window, [&opener] { opener.OpenWithShell(emailLinkTarget()); });
    return pair;
}

FrmMenu::FrmMenu(LinkOpener& opener, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(QStringLiteral("Keelwright"));
    QFont tahoma = windowFont();
    tahoma.setPointSizeF(9);
    setFont(tahoma);
    setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(6);

    auto* header = new QLabel(this);
    header->setObjectName(QStringLiteral("imgHeader"));
    header->setPixmap(QPixmap(QStringLiteral(":/shell/header.png")));
    header->setAlignment(Qt::AlignCenter);
    layout->addWidget(header);

    auto* version = new QLabel(shortVersionLabel(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignRight);
    layout->addWidget(version);

    const std::tuple<const char*, QString, void (FrmMenu::*)()> buttons[] = {
        {"cmdKW", QStringLiteral("Start Keelwright"), &FrmMenu::startKeelwright},
        {"cmdFO", QStringLiteral("Start Fleet Organizer"), &FrmMenu::startFleetOrganizer},
        {"cmdPrefs", QStringLiteral("Edit Preferences"), &FrmMenu::editPreferences},
        {"cmdExit", QStringLiteral("Exit Program"), &FrmMenu::endProgram}};
    for (const auto& [name, caption, signal] : buttons) {
        QPushButton* button = namedButton(name, caption, this);
        button->setMinimumHeight(30);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, signal);
    }
    layout->addSpacing(8);

    const QString texts[] = {editionLine(), updatesLine(), contactLine()};
    QLabel* labels[3] = {};
    for (int i = 0; i < 3; ++i) {
        labels[i] = new QLabel(texts[i], this);
        labels[i]->setObjectName(QStringLiteral("Labels_%1").arg(i));
        labels[i]->setWordWrap(true);
        labels[i]->setMouseTracking(true);
    }
    m_links = addLinks(this, opener);
    layout->addWidget(labels[0]);
    layout->addWidget(labels[1]);
    layout->addWidget(m_links.web, 0, Qt::AlignHCenter);
    layout->addWidget(labels[2]);
    layout->addWidget(m_links.email, 0, Qt::AlignHCenter);
    setFixedWidth(420);
}

void FrmMenu::closeByProgram()
{
    m_programClose = true;
    close();
    m_programClose = false;
}

void FrmMenu::closeEvent(QCloseEvent* event)
{
    event->accept();
    // However the user closes the menu, the program ends with it.
    if (!m_programClose)
        Q_EMIT endProgram();
}

void FrmMenu::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    m_links.makeBlue();
}

} // namespace kw
