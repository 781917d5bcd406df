#pragma once

#include <QString>

namespace kw {

class Registry;

// The two kinds of file the program can be associated with.
enum class FileKind { Ship, Fleet };

// Everything that names one kind of file to the system.
struct FileTypeNames {
    QString extension;      // ".shp"
    QString className;      // "shpfile"
    QString description;    // "Starmarch Ship Design"
    QString commandSwitch;  // "/S"
    QString preference;     // "ShipAssoc"
    QString mimeType;       // "application/x-starmarch-ship"
    QString desktopId;      // "keelwright-ship": the desktop entry and the MIME package
};
const FileTypeNames& fileTypeNames(FileKind kind);

// The open command: the program in double quotes, a blank, then the switch and %1 in double
// quotes, which the command line reads back after stripping the outer quotes.
QString associationCommand(const QString& executable, FileKind kind);

// Writes the five class entries below HKEY_CLASSES_ROOT. Raises RegistryError.
void writeAssociationKeys(Registry& registry, FileKind kind, const QString& executable);
// Deletes the extension's key, then the class key, without asking; failures are of no interest.
void deleteAssociationKeys(Registry& registry, FileKind kind);

} // namespace kw
