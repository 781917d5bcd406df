#include "cli/tablefiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace kw {

namespace {

bool isShipFileName(const QString& name)
{
    return name.endsWith(QLatin1String(".shp"), Qt::CaseInsensitive);
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// Each real folder is walked once, which bounds the walk whatever the links do. Folders wait in
// line rather than on the call stack, so a deep tree cannot end the program, and links to
// folders wait until every real folder has been walked, so a folder is listed under its own
// name when it lies below the root and a link that loops finds its target already walked.
void collectBelow(const QString& root, QList<TableFile>& files)
{
    QSet<QString> walked;
    QStringList folders{root};
    QStringList links;
    while (!folders.isEmpty() || !links.isEmpty()) {
        const QString folder = folders.isEmpty() ? links.takeFirst() : folders.takeFirst();
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty() || walked.contains(real))
            continue;
        walked.insert(real);
        // A folder that cannot be listed would otherwise hide its designs without a word.
        if (!QFileInfo(folder).isReadable()) {
            files.append({folder, QStringLiteral("the folder cannot be read")});
            continue;
        }
        // System lists broken links too: a design link that points nowhere is reported, not
        // silently left out.
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
        for (const QFileInfo& entry : entries) {
            const QString path = childPath(folder, entry.fileName());
            if (entry.isDir())
                (entry.isSymLink() ? links : folders).append(path);
            else if (isShipFileName(entry.fileName()))
                files.append({path, {}});
        }
    }
}

} // namespace

bool tablePathLess(QStringView a, QStringView b)
{
    const auto key = [](QChar c) { return c == QLatin1Char('/') ? -1 : int(c.unicode()); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&key](QChar x, QChar y) { return key(x) < key(y); });
}

QList<TableFile> findTableFiles(const QStringList& paths)
{
    QList<TableFile> files;
    for (const QString& named : paths) {
        const QString path = QDir::fromNativeSeparators(named);
        const QFileInfo info(path);
        if (path.isEmpty())
            files.append({path, QStringLiteral("an empty path names no file")});
        else if (info.isDir())
            collectBelow(path, files);
        else if (info.exists() && !isShipFileName(info.fileName()))
            files.append({path, QStringLiteral("not a .shp file")});
        else
            files.append({path, {}});
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const TableFile& a, const TableFile& b) { return tablePathLess(a.path, b.path); });
    files.erase(std::unique(files.begin(), files.end(),
                            [](const TableFile& a, const TableFile& b) { return a.path == b.path; }),
                files.end());
    return files;
}

} // namespace kw
