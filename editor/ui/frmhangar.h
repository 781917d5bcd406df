#pragma once

#include "editor/hangareditor.h"

#include <QDialog>
#include <QList>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kw {

class ShipEditor;

// The hangar editor window " Hangar Bays": a view over HangarEditor that works on the editor's
// design. Create one for each opening and show it modally; every completed change is already
// in the design when it closes (Okay or the close box).
class FrmHangar : public QDialog {
    Q_OBJECT

public:
    explicit FrmHangar(ShipEditor& editor, QWidget* parent = nullptr);

    const HangarEditor& hangars() const { return m_hangars; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QWidget* widget = nullptr;
        QLabel* bay = nullptr;
        QLabel* capacity = nullptr;
        QLabel* points = nullptr;
        QLabel* mass = nullptr;
        int index = 0;   // the row it shows
    };

    void build();
    QGroupBox* buildBaysFrame();
    QGroupBox* buildAddFrame();
    QPushButton* button(const QString& name, const QString& caption, void (HangarEditor::*action)());
    Row makeRow();
    void syncRows();
    void applyScroll();
    void refresh();

    HangarEditor m_hangars;

    QWidget* m_viewport = nullptr;   // picCont
    QWidget* m_panel = nullptr;      // picHangMove
    QScrollBar* m_scroll = nullptr;
    QList<Row> m_rows;          // the rows in view
    QList<HangarRow> m_bayRows; // every row
    QLabel* m_totalPoints = nullptr;
    QLabel* m_totalSpace = nullptr;
    QLabel* m_totalMass = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_okay = nullptr;
    QPushButton* m_cancelModify = nullptr;
    QPushButton* m_cancelRemove = nullptr;
    QGroupBox* m_addFrame = nullptr;
    QLineEdit* m_capacity = nullptr;
    QLineEdit* m_mass = nullptr;
    QLabel* m_points = nullptr;
    QPushButton* m_done = nullptr;
    QPushButton* m_cancelAddEdit = nullptr;
};

} // namespace kw
