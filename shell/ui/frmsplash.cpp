#include "shell/ui/frmsplash.h"

#include "shell/programinfo.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace kw {

namespace {

QLabel* overlayLabel(const char* name, const QString& text, int pointSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(226, 236, 250));
    label->setPalette(colours);
    return label;
}

} // namespace

FrmSplash::FrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFocusPolicy(Qt::StrongFocus);

    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("imgBG"));
    const QPixmap picture(QStringLiteral(":/shell/splash.bmp"));
    background->setPixmap(picture);
    const QSize size = picture.isNull() ? QSize(480, 320) : picture.size();
    background->setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);

    QLabel* version = overlayLabel("lblVersion", shortVersionLabel(), 11, this);
    version->setGeometry(size.width() - 150, size.height() - 34, 136, 22);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* company = overlayLabel("lblCompany", creditLine(), 9, this);
    company->setGeometry(16, size.height() - 34, size.width() - 180, 22);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("UnloadTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(2000);
    connect(m_timer, &QTimer::timeout, this, &FrmSplash::unload);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void FrmSplash::armUnloadTimer(int milliseconds)
{
    m_armed = true;
    m_timer->setInterval(milliseconds);
    m_timer->start();
}

void FrmSplash::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_timer->stop();
    hide();
    Q_EMIT unloaded();
}

void FrmSplash::mousePressEvent(QMouseEvent*)
{
    dismiss();
}

void FrmSplash::mouseDoubleClickEvent(QMouseEvent*)
{
    dismiss();
}

void FrmSplash::keyPressEvent(QKeyEvent*)
{
    dismiss();
}

void FrmSplash::closeEvent(QCloseEvent* event)
{
    if (!m_armed && !m_unloaded) {
        event->ignore();
        return;
    }
    event->accept();
    unload();
}

void FrmSplash::dismiss()
{
    // Until the start-up has done its work, there is nothing to go on to.
    if (m_armed)
        unload();
}

} // namespace kw
