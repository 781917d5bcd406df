#include "storage/sideslist.h"

#include "model/fieldchecks.h"
#include "model/numbertext.h"
#include "storage/codepage.h"
#include "storage/filesaving.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kw {

namespace {
constexpr qint64 kMaxSidesFileBytes = 1024 * 1024;
}

QStringList readSides(const QString& programFolder)
{
    QStringList sides;
    readSidesFile(programFolder, sides, nullptr);
    return sides;
}

bool readSidesFile(const QString& programFolder, QStringList& sides, QString* error)
{
    sides.clear();
    const QString path = sidesFile(programFolder);
    if (!QFileInfo::exists(path))
        return true;
    QByteArray bytes;
    if (!readWholeFile(path, kMaxSidesFileBytes, bytes, error))
        return false;
    QStringList lines = decodeCodePage(bytes).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    sides = lines;
    return true;
}

bool writeSides(const QString& programFolder, const QStringList& sides, QString* error)
{
    QString text;
    for (const QString& side : sides)
        text += side + QStringLiteral("\r\n");
    QByteArray bytes;
    if (!encodeCodePage(text, bytes)) {
        if (error)
            *error = QStringLiteral("the character \"%1\" cannot be stored in the sides list")
                         .arg(firstUnencodable(text));
        return false;
    }
    QDir().mkpath(shipsFolder(programFolder));
    return saveFileAtomically(sidesFile(programFolder), bytes, error);
}

namespace {

// The side's folder, or false with the reason.
std::optional<QString> folderOf(const QString& programFolder, const QString& side, QString* error)
{
    std::optional<QString> folder = sideFolder(programFolder, side);
    if (!folder && error)
        *error = QStringLiteral("The side %1 cannot have a folder in %2.")
                     .arg(side, QDir::toNativeSeparators(shipsFolder(programFolder)));
    return folder;
}

} // namespace

bool createSideFolder(const QString& programFolder, const QString& side, QString* error)
{
    const std::optional<QString> path = folderOf(programFolder, side, error);
    if (!path)
        return false;
    if (QFileInfo(*path).isDir())
        return true;
    if (!QDir().mkpath(*path)) {
        if (error)
            *error = QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(*path));
        return false;
    }
    return true;
}

bool renameSideFolder(const QString& programFolder, const QString& from, const QString& to, QString* error)
{
    const std::optional<QString> oldPath = folderOf(programFolder, from, error);
    const std::optional<QString> newPath = oldPath ? folderOf(programFolder, to, error) : std::nullopt;
    if (!newPath)
        return false;
    if (QFileInfo::exists(*newPath) && QFileInfo(*oldPath).canonicalFilePath() != QFileInfo(*newPath).canonicalFilePath()) {
        if (error)
            *error = QStringLiteral("The folder %1 already exists.").arg(QDir::toNativeSeparators(*newPath));
        return false;
    }
    if (!QFileInfo(*oldPath).isDir())
        return createSideFolder(programFolder, to, error);
    if (!QDir().rename(*oldPath, *newPath)) {
        if (error)
            *error = QStringLiteral("The folder %1 could not be renamed to %2.")
                         .arg(QDir::toNativeSeparators(*oldPath), QDir::toNativeSeparators(*newPath));
        return false;
    }
    return true;
}

bool deleteSideFolder(const QString& programFolder, const QString& side, QString* error)
{
    const std::optional<QString> path = folderOf(programFolder, side, error);
    if (!path)
        return false;
    if (!QFileInfo(*path).isDir())
        return true;
    // Read-only files go too: make everything writable before removing it.
    QDirIterator it(*path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (QFileInfo(entry).isSymLink())
            continue;
        QFile::setPermissions(entry, QFile::permissions(entry) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    if (!QDir(*path).removeRecursively()) {
        if (error)
            *error = QStringLiteral("The folder %1 could not be deleted completely.").arg(QDir::toNativeSeparators(*path));
        return false;
    }
    return true;
}

bool isValidSideName(const QString& trimmedName)
{
    return isValidName(trimmedName) && trimmedName != QLatin1String(".") && trimmedName != QLatin1String("..");
}

// Beyond the name rule: Windows drops trailing dots and blanks, so a name of nothing else would
// name Ships itself there; control characters are refused by Windows and a line break would
// split the entry in Sides.txt.
bool isSideFolderName(const QString& side)
{
    if (!isValidSideName(trimSpaces(side)))
        return false;
    bool onlyDotsAndBlanks = true;
    for (const QChar c : side) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (c != QLatin1Char('.') && c != QLatin1Char(' '))
            onlyDotsAndBlanks = false;
    }
    return !onlyDotsAndBlanks;
}

// 255 is what the common file systems take for one name: bytes as this system stores names,
// UTF-16 units on Windows.
bool isTooLongForAFolder(const QString& name)
{
    constexpr qsizetype kLongestName = 255;
    return name.size() > kLongestName || QFile::encodeName(name).size() > kLongestName;
}

} // namespace kw
