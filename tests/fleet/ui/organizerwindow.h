#pragma once

#include "common/ui/dlgprinter.h"
#include "fleet/ui/frmfleetorganizer.h"
#include "tests/fleet/fleetfixture.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace kw::test {

// The Fleet Organizer window, shown, over a loaded organizer whose side Blue holds the fixture
// ships Cruiser, Hood and Scout.
class OrganizerWindowTest : public FleetTest {
protected:
    OrganizerWindowTest() : window(fleet, prompts, printSetup)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction* fileItem(FrmFleetOrganizer::FileItem item) const { return window.fileItem(item); }
    QWidget* page() const { return child(QStringLiteral("picArea")); }

    // A mouse event on the page at a pixel of the page, as the window system delivers it.
    void mouseOnPage(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons held) const
    {
        QMouseEvent event(type, pixel, page()->mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(page(), &event);
    }
    // A pixel of the page inside card k's picture, `offset` pixels from its top-left corner.
    QPoint inCard(int k, QPoint offset = {20, 20}) const
    {
        return pixelRect(fleet.card(k).pictureRect()).topLeft() + offset;
    }
    // Presses the left button in card k, moves it to `to` (page pixels) and lets go there.
    void dragCard(int k, QPoint to) const
    {
        const QPoint from = inCard(k);
        mouseOnPage(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouseOnPage(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        mouseOnPage(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouseOnPage(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    DlgPrinter printSetup{QList<PrinterChoice>{pdfEntry()}, pdfEntryName()};
    FrmFleetOrganizer window;
};

} // namespace kw::test
