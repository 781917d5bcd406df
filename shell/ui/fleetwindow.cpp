#include "shell/ui/fleetwindow.h"

#include "fleet/fleetorganizer.h"
#include "fleet/ui/frmfleetorganizer.h"
#include "shell/ui/windowhost.h"

namespace kw {

FleetWindow::FleetWindow(const FleetWindowParts& parts)
    : m_organizer(std::make_unique<FleetOrganizer>(parts.prompts, parts.programFolder, parts.pictureFolder)),
      m_smallScreen(parts.smallScreen)
{
    m_organizer->setRecentFiles(&parts.recentFiles);
    m_form = std::make_unique<FrmFleetOrganizer>(*m_organizer, parts.prompts, parts.printSetup);
    connectToHost(*m_form, parts.host);
}

FleetWindow::~FleetWindow()
{
    // The window goes before the organizer it shows.
    m_form.reset();
}

void FleetWindow::loadIfUnloaded()
{
    if (!m_form->isVisible())
        m_form->loadFleet();
}

void FleetWindow::bringUp()
{
    m_form->setSmallScreen(m_smallScreen);
    bringToFront(*m_form);
}

void FleetWindow::showWindow()
{
    loadIfUnloaded();
    bringUp();
}

void FleetWindow::openFile(const QString& path)
{
    loadIfUnloaded();
    m_organizer->OpenFleet(path);
    bringUp();
}

bool FleetWindow::isWindowVisible() const
{
    return m_form->isVisible();
}

void FleetWindow::unloadByProgram()
{
    m_form->closeByProgram();
}

} // namespace kw
