#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// One file the table will list: the path as it was named, or as it was found below a named
// folder (the folder's name as given, then "/" and the names below it).
struct TableFile {
    QString path;
    QString refusal; // why it is listed as refused without being opened; empty to open it
};

// The files the table lists for the paths named on the command line, sorted by path and each
// path once. A named folder gives every .shp (any case) below it, hidden ones too. A link to a
// folder is followed unless that folder is walked anyway: each folder is walked once, under its
// own name when it lies below the named folder, so links that loop are never followed; a folder
// that cannot be read is listed as refused. A named path that is not a folder is listed as it
// is: opening it reports a missing one, and one whose name does not end in .shp is refused.
QList<TableFile> findTableFiles(const QStringList& paths);

// Folder by folder: "/" sorts before every character, so "Fleet/x.shp" comes before
// "Fleet 2/x.shp"; otherwise character by character, capitals before small letters.
bool tablePathLess(QStringView a, QStringView b);

} // namespace kw
