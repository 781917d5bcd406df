#pragma once

#include "editor/weaponlist.h"

#include <QList>
#include <QWidget>
#include <array>
#include <utility>

class QFrame;
class QLabel;
class QScrollBar;

namespace kw {

class ShipEditor;

// The weapon list of the editor's Weapons tab: one row per group of identical mounts, scrolled
// by vslWeapons; the rows in view are labels. A click on a row's weapon name goes to the editor, which
// removes a mount when it is waiting for one. The list follows the editor by itself.
class WeaponListView : public QWidget {
    Q_OBJECT

public:
    explicit WeaponListView(ShipEditor& editor, QWidget* parent = nullptr);

    // Rebuilds every row from the design and scrolls back to the top.
    void ShowWeapList();
    const QList<WeaponListRow>& rows() const { return m_rows; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Column { Num, Weapon, Arcs, Mass, Cost, Details, ColumnCount };
    using RowLabels = std::array<QLabel*, ColumnCount>;

    void designChanged();
    int fixedColumnsWidth() const;
    void relayout();
    RowLabels makeRow();
    void showRows();
    void placeRow(const RowLabels& labels, int index);
    void dropRow(const RowLabels& labels);
    void fillRow(const RowLabels& labels, const WeaponListRow& row);
    void scrollTo(int value);

    ShipEditor& m_editor;
    std::array<int, ColumnCount> m_fixedWidths{};        // the name's column is 0: it takes the rest
    std::array<std::pair<int, int>, ColumnCount> m_columns{};   // left and width on the canvas
    std::array<QLabel*, ColumnCount> m_headings{};
    int m_headingHeight = 0;
    QFrame* m_picWeapCont = nullptr;
    QWidget* m_viewport = nullptr;
    QWidget* m_picWeapList = nullptr;
    QScrollBar* m_vslWeapons = nullptr;
    QList<QFrame*> m_columnLines;
    // The rows in view and the one the window shows in part below them.
    static constexpr int kLabelledRows = 17;
    QList<RowLabels> m_rowLabels;
    QList<WeaponListRow> m_rows;
};

} // namespace kw
