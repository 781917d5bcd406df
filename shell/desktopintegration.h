#pragma once

#include "shell/associations.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kw {

// Makes an association real on a freedesktop system: a desktop entry that opens the files with
// the switch of their kind, and a shared-MIME-info package that names the type, both in the
// user's data folder. Removing takes away exactly these two files. After either, the system's
// caches are refreshed with update-mime-database and update-desktop-database.
class DesktopIntegration {
public:
    // Runs a program with its arguments and waits for it.
    using Runner = std::function<void(const QString& program, const QStringList& arguments)>;

    DesktopIntegration(const QString& dataFolder, const QString& executable, Runner runner);
    // In the user's data folder, running the refresh tools found on the PATH.
    static DesktopIntegration forThisUser(const QString& executable);

    bool install(FileKind kind, QString* error) const;
    bool remove(FileKind kind, QString* error) const;

    QString desktopEntryPath(FileKind kind) const;
    QString mimePackagePath(FileKind kind) const;
    // The desktop entry's text for the program at `executable`.
    static QByteArray desktopEntry(FileKind kind, const QString& executable);
    // The MIME package shipped with the program (also installed system-wide by the package).
    static QByteArray mimePackage(FileKind kind);
    // One argument of an Exec line, quoted and escaped as desktop entries require.
    static QString execArgument(const QString& argument);

private:
    void refresh() const;

    QString m_dataFolder;
    QString m_executable;
    Runner m_runner;
};

} // namespace kw
