#include "shell/desktopintegration.h"

#include "common/apptitle.h"
#include "storage/filesaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kw {

namespace {

bool removeIfThere(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    QFile file(path);
    if (file.remove())
        return true;
    *error = QStringLiteral("%1 could not be removed: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("the folder %1 could not be created").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    QString why;
    if (!saveFileAtomically(path, bytes, &why)) {
        *error = QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    return true;
}

} // namespace

DesktopIntegration::DesktopIntegration(const QString& dataFolder, const QString& executable, Runner runner)
    : m_dataFolder(dataFolder), m_executable(executable), m_runner(std::move(runner))
{
}

DesktopIntegration DesktopIntegration::forThisUser(const QString& executable)
{
    return DesktopIntegration(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), executable,
                              [](const QString& program, const QStringList& arguments) {
                                  const QString found = QStandardPaths::findExecutable(program);
                                  if (found.isEmpty())
                                      return;
                                  QProcess process;
                                  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
                                  process.setStandardOutputFile(QProcess::nullDevice());
                                  process.start(found, arguments);
                                  process.waitForFinished(30000);
                              });
}

QString DesktopIntegration::desktopEntryPath(FileKind kind) const
{
    return m_dataFolder + QStringLiteral("/applications/") + fileTypeNames(kind).desktopId + QStringLiteral(".desktop");
}

QString DesktopIntegration::mimePackagePath(FileKind kind) const
{
    return m_dataFolder + QStringLiteral("/mime/packages/") + fileTypeNames(kind).desktopId + QStringLiteral(".xml");
}

QString DesktopIntegration::execArgument(const QString& argument)
{
    // Inside double quotes a backslash escapes ", `, $ and itself; "%" is doubled for the field
    // codes; then the value itself escapes backslashes and line breaks.
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += c;
    }
    QString value;
    for (const QChar c : QLatin1Char('"') + quoted + QLatin1Char('"')) {
        switch (c.unicode()) {
        case u'\\': value += QStringLiteral("\\\\"); break;
        case u'\n': value += QStringLiteral("\\n"); break;
        case u'\t': value += QStringLiteral("\\t"); break;
        case u'\r': value += QStringLiteral("\\r"); break;
        default: value += c;
        }
    }
    return value;
}

QByteArray DesktopIntegration::desktopEntry(FileKind kind, const QString& executable)
{
    const FileTypeNames& names = fileTypeNames(kind);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Comment=Opens %2 files (%3)\n"
                                        "Exec=%4 %5 %f\n"
                                        "Icon=keelwright\n"
                                        "Terminal=false\n"
                                        "NoDisplay=true\n"
                                        "MimeType=%6;\n")
                             .arg(kAppTitle, names.description, names.extension, execArgument(executable),
                                  names.commandSwitch, names.mimeType);
    return text.toUtf8();
}

QByteArray DesktopIntegration::mimePackage(FileKind kind)
{
    QFile file(QStringLiteral(":/mime/%1.xml").arg(fileTypeNames(kind).desktopId));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DesktopIntegration::install(FileKind kind, QString* error) const
{
    const QByteArray package = mimePackage(kind);
    if (package.isEmpty()) {
        *error = QStringLiteral("the program's description of %1 files is missing").arg(fileTypeNames(kind).extension);
        return false;
    }
    const bool written = writeFile(mimePackagePath(kind), package, error)
                         && writeFile(desktopEntryPath(kind), desktopEntry(kind, m_executable), error);
    refresh();
    return written;
}

bool DesktopIntegration::remove(FileKind kind, QString* error) const
{
    const bool removed = removeIfThere(desktopEntryPath(kind), error) && removeIfThere(mimePackagePath(kind), error);
    refresh();
    return removed;
}

void DesktopIntegration::refresh() const
{
    if (!m_runner)
        return;
    m_runner(QStringLiteral("update-mime-database"), {m_dataFolder + QStringLiteral("/mime")});
    m_runner(QStringLiteral("update-desktop-database"), {m_dataFolder + QStringLiteral("/applications")});
}

} // namespace kw
