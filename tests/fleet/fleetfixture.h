#pragma once

#include "fleet/fleetorganizer.h"
#include "tests/support/fakeprompts.h"
#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kw::test {

// A fixture ship of tests/data/fleets/ships.
inline QString fleetShip(const QString& name)
{
    return dataFile(QStringLiteral("fleets/ships/") + name + QStringLiteral(".shp"));
}

// A freshly loaded Fleet Organizer over a throw-away program folder whose side Blue holds the
// fixture ships Cruiser, Hood and Scout.
class FleetTest : public ::testing::Test {
protected:
    FleetTest() : fleet(prompts, folder.path(), pictures.path())
    {
        for (const QString& ship : {QStringLiteral("Hood"), QStringLiteral("Cruiser"), QStringLiteral("Scout")})
            QFile::copy(fleetShip(ship), blue(ship + QStringLiteral(".shp")));
        fleet.setRecentFiles(&recent);
        fleet.Load();
    }

    QString blue(const QString& file) const { return folder.ships() + QStringLiteral("/Blue/") + file; }
    QString path(const QString& relative) const { return folder.path() + QLatin1Char('/') + relative; }

    // "Add >>" with the side list's entry of that label selected.
    void addFromSide(const QString& label)
    {
        const qsizetype entry = fleet.addList().indexOf(label);
        ASSERT_GE(entry, 0) << label.toStdString();
        fleet.chooseAddEntry(static_cast<int>(entry));
        fleet.AddFromSide();
    }
    // "Open Other" with the file chosen in the open dialog.
    void openOther(const QString& file)
    {
        prompts.files << file;
        fleet.OpenOther();
    }
    // "&Save Fleet" answered with the file.
    bool saveAs(const QString& file)
    {
        prompts.files << file;
        return fleet.SaveFleet();
    }
    QStringList ids() const
    {
        QStringList list;
        for (const FleetCard& card : fleet.cards())
            list << card.id;
        return list;
    }
    QStringList filesIn(const QString& relativeFolder) const
    {
        return QDir(path(relativeFolder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TestFolder folder;
    QTemporaryDir pictures;
    FakePrompts prompts;
    MemoryRecentFileStore recentStore;
    RecentFiles recent{recentStore};
    FleetOrganizer fleet;
};

} // namespace kw::test
