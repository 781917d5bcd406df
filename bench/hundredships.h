#pragma once

#include "bench/benchsupport.h"
#include "storage/defaultships.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace kw::bench {

constexpr int kShips = 100;

// A program folder with the sample designs and a fleet of 100 ships, each from a ship file of
// its own (the samples in turn), so that every card needs a picture of its own.
struct HundredShips {
    HundredShips()
    {
        ensureApplication();
        ensureShipsFolder(program.path(), nullptr);
        QStringList samples;
        QDirIterator it(shipsFolder(program.path()), {QStringLiteral("*.shp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            samples << it.next();
        samples.sort();
        fleetPath = program.path() + QStringLiteral("/Armada.flt");
        QDir().mkpath(program.path() + QStringLiteral("/Armada"));
        QByteArray text = "Ships=" + QByteArray::number(kShips) + "\r\n";
        for (int k = 1; k <= kShips; ++k) {
            const QByteArray file = "Ship" + QByteArray::number(k) + ".shp";
            QFile::copy(samples[k % samples.size()],
                        program.path() + QStringLiteral("/Armada/") + QString::fromLatin1(file));
            text += "S" + QByteArray::number(k) + "," + QByteArray::number(k) + ",Ship," + file + ","
                    + QByteArray::number(k % 10 * 1500) + "," + QByteArray::number(k / 10 * 1000 + 765) + ",notes\r\n";
        }
        QFile out(fleetPath);
        out.open(QIODevice::WriteOnly);
        out.write(text);
    }

    QTemporaryDir program;
    QString fleetPath;
};

} // namespace kw::bench
