#pragma once

#include "model/shiprecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace kw {

// An icon position as the ship file holds it, with what its picture needs.
struct StoredIcon {
    QString code;
    float left = 0;
    float top = 0;
    int share = 0;            // cargo or passenger box share
    int capacity = 0;         // hangar bay capacity
    int bay = -1;             // hangar: its bay (from 0); -1: the k-th hangar icon is bay k
    int mount = -1;           // weapon: position of its mount in the weapon list
};

// A salvo link as stored: the launcher's mount number as written, and the magazine's number.
struct StoredSalvoLink {
    QString launcher;
    qint64 magazine = 0;
};

// The content of a ship file: the record plus the values the editor window keeps. Optional
// members are set only when the file holds their key, so a missing key leaves the editor's
// fresh value in place; the writer writes them only when set, so that writing what was read
// does not invent a value the file never held. The editor sets them all.
struct ShipFileData {
    ShipRecord ship;
    bool isProtected = false;
    std::optional<QString> name;
    std::optional<QString> side;
    std::optional<QString> hullIntegrity;
    std::optional<QString> towCapacity;
    bool hasTmf = false;
    bool hasNpv = false;
    bool hasFtl = false;
    bool hasHullPoints = false;
    bool hasCrewFactor = false;
    bool hasStreamLining = false;
    QList<StoredIcon> icons;              // in icon order
    QList<StoredSalvoLink> salvoLinks;
};

// Reads a ship file's text. Never fails: unreadable lines and items are skipped and the rest
// is kept; counts outside the record's 16-bit range make their key unreadable. A key that comes
// again replaces what its earlier line set. Mounts are numbered by their places, their icons
// coded so, and salvo links name those places.
ShipFileData readShipFile(const QByteArray& bytes);

// Writes a ship file's text. The record's icons are given as StoredIcon entries in icon order
// (weapons by mount number as their code). Returns false when a text cannot be written in the
// file's code page, or a count is beyond what the file can hold; `problem` then names it.
bool writeShipFile(const ShipFileData& data, QByteArray& out, QString* problem = nullptr);

// The counts a file holds are 16-bit: no more mounts, bays or salvo links than this.
constexpr int kMostMounts = 32767;

// Largest file accepted as a ship file; anything bigger is not one of ours.
constexpr qint64 kMaxShipFileBytes = 16 * 1024 * 1024;

} // namespace kw
