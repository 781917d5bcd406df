#pragma once

#include <QWidget>

class QPushButton;

namespace kw {

class LinkLabel;
class LinkOpener;

// The main menu: the hub the user comes back to. It starts the two main windows, opens the
// preferences and ends the program; closing it ends the program too.
// The two links of the main menu and the About box, each opening its address through the
// desktop; a move over the window's other parts shows them blue again.
struct LinkPair {
    LinkLabel* web = nullptr;
    LinkLabel* email = nullptr;
    void makeBlue() const;
};
LinkPair addLinks(QWidget* window, LinkOpener& opener);

class FrmMenu : public QWidget {
    Q_OBJECT

public:
    explicit FrmMenu(LinkOpener& opener, QWidget* parent = nullptr);

    // Closing by the program itself (its end) reports nothing.
    void closeByProgram();

Q_SIGNALS:
    void startKeelwright();
    void startFleetOrganizer();
    void editPreferences();
    // "Exit Program", or the window closed by the user.
    void endProgram();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    LinkPair m_links;
    bool m_programClose = false;
};

} // namespace kw
