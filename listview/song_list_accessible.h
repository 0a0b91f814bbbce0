#pragma once
// What screen readers see of the owner-drawn song list: a table whose cells are the drawn
// cells, with their texts, the row's tick and selection, and the focused row. Cells have no
// widgets of their own, so their interfaces are made here on demand and kept per position.

#include <QAccessibleWidget>
#include <QHash>

namespace kesto {

class SongListView;

class SongListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit SongListAccessible(SongListView* list);
    ~SongListAccessible() override;

    // Installs the factory while at least one list exists (the module may be unloaded).
    static void attach();
    static void detach();
    // Tells an active screen reader what changed.
    static void focusMoved(SongListView* list, int row);
    static void rowsChanged(SongListView* list);
    static void checkChanged(SongListView* list, int row);

    // QAccessibleInterface
    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface; columns are the visible ones in screen order.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The list's column index of a visible column, -1 when out of range.
    int logicalColumn(int column) const;
    int visibleColumn(int logical) const;
    // The cell that carries the focus of a row: its song name, else its first visible cell.
    int focusColumnOf() const;

private:
    SongListView* list() const;
    void dropCells(int fromRow);

    mutable QHash<quint64, QAccessible::Id> cells_;
};

} // namespace kesto
