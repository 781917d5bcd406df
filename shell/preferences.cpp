#include "shell/preferences.h"

#include "common/userprompts.h"
#include "shell/desktopintegration.h"
#include "shell/registry.h"
#include "shell/settings.h"

namespace kw {

Preferences::Preferences(Settings& settings, UserPrompts& prompts, const QString& executable,
                         const DesktopIntegration* desktop, QObject* parent)
    : ChangeNotifier(parent), m_settings(settings), m_prompts(prompts), m_executable(executable), m_desktop(desktop)
{
}

bool keepLayoutPreferred(const Settings& settings)
{
    return settings.GetPref(kKeepLayoutPref) == QLatin1String("1");
}

void Preferences::Load(bool firstRun)
{
    ChangeScope scope(*this);
    m_firstRun = firstRun;
    m_ticked = {};
    m_keepLayout = false;
    if (firstRun)
        return;
    m_keepLayout = keepLayoutPreferred(m_settings);
    // Anything but "1", a missing value included, leaves the box clear.
    for (FileKind kind : {FileKind::Ship, FileKind::Fleet})
        m_ticked[index(kind)] = m_settings.GetPref(fileTypeNames(kind).preference) == QLatin1String("1");
}

void Preferences::setAssociated(FileKind kind, bool ticked)
{
    ChangeScope scope(*this);
    m_ticked[index(kind)] = ticked;
}

void Preferences::setKeepLayout(bool keep)
{
    ChangeScope scope(*this);
    m_keepLayout = keep;
}

void Preferences::cmdOkay_Click()
{
    ChangeScope scope(*this);
    apply(FileKind::Ship);
    apply(FileKind::Fleet);
    m_settings.SetPref(kKeepLayoutPref, m_keepLayout ? QStringLiteral("1") : QStringLiteral("0"));
}

void Preferences::apply(FileKind kind)
{
    const FileTypeNames& names = fileTypeNames(kind);
    QString error;
    if (associated(kind)) {
        try {
            writeAssociationKeys(m_settings.registry(), kind, m_executable);
        } catch (const RegistryError& failure) {
            m_settings.report(failure);
        }
        if (m_desktop && !m_desktop->install(kind, &error))
            reportDesktopFailure(kind, true, error);
        m_settings.SetPref(names.preference, QStringLiteral("1"));
        return;
    }
    // Only what this program made is taken away: an association it never made is left alone.
    if (m_settings.GetPref(names.preference) == QLatin1String("1")) {
        deleteAssociationKeys(m_settings.registry(), kind);
        if (m_desktop && !m_desktop->remove(kind, &error))
            reportDesktopFailure(kind, false, error);
    }
    m_settings.SetPref(names.preference, QStringLiteral("0"));
}

void Preferences::reportDesktopFailure(FileKind kind, bool making, const QString& error)
{
    m_prompts.tell(QStringLiteral("The association with %1 files could not be %2:\r\n%3")
                       .arg(fileTypeNames(kind).extension, making ? QStringLiteral("made") : QStringLiteral("removed"),
                            error),
                   PromptIcon::Exclamation);
}

} // namespace kw
