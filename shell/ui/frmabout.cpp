#include "shell/ui/frmabout.h"

#include "common/apptitle.h"
#include "common/ui/namedbutton.h"
#include "common/userprompts.h"
#include "display/sheetfonts.h"
#include "shell/programinfo.h"
#include "shell/systeminfo.h"
#include "shell/ui/linklabel.h"
#include "shell/version.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kw {

namespace {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setMouseTracking(true);
    return label;
}

} // namespace

FrmAbout::FrmAbout(LinkOpener& opener, UserPrompts& prompts, SystemInfoLauncher sysInfo, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_sysInfo(std::move(sysInfo))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kAppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/shell/icon-32.png")));
    setFont(windowFont());
    setMouseTracking(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/shell/icon-64.png")));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* title = namedLabel("lblTitle", kAppTitle, this);
    QFont big = title->font();
    big.setPointSizeF(14);
    big.setBold(true);
    title->setFont(big);
    QLabel* version = namedLabel("lblVersion", fullVersionLabel(), this);
    QLabel* description = namedLabel("lblDescription", QString(aboutDescription()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    QLabel* disclaimer = namedLabel("lblDisclaimer", legalNotice(), this);
    QFont small = disclaimer->font();
    small.setItalic(true);
    disclaimer->setFont(small);
    QLabel* updates = namedLabel("Labels", updatesLine(), this);
    m_links = addLinks(this, opener);

    QPushButton* ok = namedButton("cmdOK", QStringLiteral("OK"), this);
    QPushButton* sysInfoButton = namedButton("cmdSysInfo", QStringLiteral("&System Info..."), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfoButton, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(description);
    text->addSpacing(6);
    text->addWidget(updates);
    text->addWidget(m_links.web);
    text->addWidget(m_links.email);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfoButton);
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(14);
    grid->addWidget(icon, 0, 0);
    grid->addLayout(text, 0, 1);
    grid->addLayout(buttons, 0, 2);
    grid->addWidget(disclaimer, 1, 0, 1, 3);
    setFixedSize(sizeHint());
}

void FrmAbout::StartSysInfo()
{
    const std::optional<QString> tool = m_sysInfo.find ? m_sysInfo.find() : std::nullopt;
    if (!tool) {
        m_prompts.tell(kNoSystemInfoMessage);
        return;
    }
    // A tool that is found but will not start ends the matter quietly, as any error here does.
    if (m_sysInfo.start)
        m_sysInfo.start(*tool);
}

void FrmAbout::mouseMoveEvent(QMouseEvent* event)
{
    QDialog::mouseMoveEvent(event);
    m_links.makeBlue();
}

} // namespace kw
