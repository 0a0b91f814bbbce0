#pragma once
// The owner-drawn song list: rows painted from their row objects (no widget per row or cell),
// check boxes that mirror the selection, sorting by page kind, header and context menus, and
// clicks on cell icons turned into the panel's numbered messages.

#include "columns/column_info.h"
#include "columns/drop_rules.h"
#include "columns/list_colors.h"
#include "listview/list_rows.h"
#include "listview/row_cells.h"
#include "platform/message_port.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>

#include <memory>
#include <optional>
#include <span>
#include <vector>

class QListWidget;
class QMenu;
class QMimeData;

namespace kesto {

class ColumnSetStore;
class SongListHeader;
class ListControlOwner;
class SkinScrollBar;
class SongDragSource;
class SongDropTarget;
struct ColumnSpan;
enum class ClickKind : std::uint8_t;

class SongListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum Flag { NoFlags = 0, MiniList = 1, PlainList = 2 };
    static constexpr int kRowHeight = 18;
    static constexpr int kPhoneDecoDelayMs = 300;
    static constexpr int kDropDownWatchMs = 100;
    static constexpr int kDropDownWidth = 14;

    // Messages go to target through port; the owner is asked for the page kind and the rest.
    SongListView(MessagePort& port, WindowHandle target, ListControlOwner& owner, int flags = NoFlags,
                 QWidget* parent = nullptr);
    ~SongListView() override;

    bool isMiniList() const { return (flags_ & MiniList) != 0; }
    bool isPlainList() const { return (flags_ & PlainList) != 0; }
    SongListHeader* header() const { return header_; }
    SkinScrollBar* skinScrollBar(Qt::Orientation orientation) const;

    // Columns.
    void setColumnStore(ColumnSetStore* store) { store_ = store; }
    // Saves the page kind being left, clears rows and columns, loads and installs the new set.
    void applyPageKind(int pageKind);
    void setColumns(std::span<const ColumnInfo> columns, int pageKind);
    std::vector<ColumnInfo> columns() const; // as the header shows them now
    int columnCount() const { return static_cast<int>(columns_.size()); }
    int columnKind(int column) const;
    int columnWidth(int column) const;
    void hideColumn(int column);
    void showColumn(int column);
    bool isColumnHidden(int column) const;
    void saveColumns();
    void autoSizeColumn(int column);

    // Rows. A record passed by pointer stays its owner's; a unique_ptr is kept by the row.
    int insertRow(int row, Song* record);
    int insertRow(int row, std::unique_ptr<Song> record);
    void appendRows(std::span<Song* const> records);
    void refreshRow(int row);
    bool deleteRow(int row);
    void deleteAllRows();
    int rowCount() const { return rows_.count(); }
    RowObject* rowObject(int row) const { return rows_.at(row); }
    Song* record(int row) const;
    // A cell as the row shows it now, made from its song; nothing for a row without one.
    std::optional<RowCell> cell(int row, int column) const;
    QString cellText(int row, int column) const;
    void setDropDown(int row, int column, const QStringList& entries);
    void setCurrentRow(int row);
    int currentRow() const { return rows_.current(); }

    // Checks and selection.
    void checkAll();
    void uncheckAll();
    void invertChecks();
    int checkedCount(int column) const;
    bool isChecked(int row) const;
    void setRowChecked(int row, bool checked);
    // Ticks or unticks a row as a click on its check box does (the row alone where none).
    void toggleRow(int row);
    std::vector<int> selectedRows() const { return rows_.selectedRows(); }
    int focusedRow() const { return focusedRow_; }
    // Moves the keyboard focus to a row and scrolls it into view; ticks stay as they are.
    void setFocusedRow(int row);
    int checkColumn() const; // -1 when the page has no check boxes
    int titleColumn() const; // the song name column, -1 when there is none
    int lastClickedRow() const { return lastClickedRow_; }

    // Sorting by a column index of the page's table; a column that does not sort changes nothing.
    void sortByColumn(int column);
    void headerClicked(int column);

    // Menus; the returned menu belongs to the caller. Choosing an entry runs its command.
    QMenu* createHeaderMenu(int column);
    QMenu* createContextMenu(bool rowHit);
    void runCommand(int commandId);
    void runHeaderCommand(int commandId, int column);

    // Drag and drop. beginDrag gives the data a drag of the selected rows offers (null when none
    // may start) and marks the drag as running until endDrag; startDrag runs a whole drag.
    std::unique_ptr<QMimeData> beginDrag();
    void endDrag();
    void startDrag(const QPoint& pointer);
    bool isDragging() const;
    std::vector<int> draggedRows() const;
    int dropRow() const; // -1: after the last row
    // The dragged rows go to the drop row (message 1121); the owner hears of it.
    void moveDraggedRows();
    // An image of the dragged rows and the point of it under the pointer.
    QPixmap dragImage(const QPoint& pointer, QPoint* hotSpot) const;
    // Points the rows at other records showing the same songs, row by row.
    void rebindRows(std::span<Song* const> records);

    // Geometry, for hit tests and tests.
    QRect cellRect(int row, int column) const;
    int rowAt(int y) const;
    int columnAt(int x) const;

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct CellHit {
        int row = -1;
        int column = -1;
        int x = 0; // relative to the cell's left edge
    };

    std::unique_ptr<RowObject> makeRow(Song* record, std::unique_ptr<Song> owned, int row,
                                       bool singleRow) const;
    void updateScrollBars();
    // The header's height, worked out again only when its items change: sizing it runs over
    // every title, and a page switch lays the list out several times.
    int headerHeight();
    std::vector<ColumnSpan> visibleSpans() const;
    CellHit hitTest(const QPoint& viewportPos) const;
    std::optional<ClickKind> clickAt(const CellHit& hit) const;
    void leftPress(const CellHit& hit, Qt::KeyboardModifiers modifiers);
    void toggleCheck(int row, int column);
    void selectByClick(int row, Qt::KeyboardModifiers modifiers);
    void dispatchClick(ClickKind kind, const CellHit& hit);
    void showGreyNotice();
    void notify(unsigned message, std::intptr_t wParam, std::intptr_t lParam, bool miniRoute);
    void afterCheckChange();
    void setAllChecked(bool on);
    void renumberRows();
    void renumberCells();
    void dropped(const DropDecision& decision, const QMimeData& data);
    bool dragFromPress(const QMouseEvent* event);
    void openDropDown(int row, int column);
    void chooseDropDownEntry(int index);
    void releaseDropDown();
    ListColors colors() const;
    int firstSelectedOrFocused(bool preferFocused) const;
    void showCellToolTip(const QPoint& viewportPos, const QPoint& globalPos);
    // Keyboard.
    void ensureRowVisible(int row);
    int rowsPerPage() const;
    int targetRowOf(int key) const;
    void moveFocusByKey(int key, Qt::KeyboardModifiers modifiers);
    void toggleByKey();
    void listenByKey();
    bool deleteByKey();
    void openMenuByKey();
    bool typeAhead(const QString& text);
    QString titleOf(int row, int column) const;

    MessagePort& port_;
    WindowHandle target_;
    ListControlOwner& owner_;
    int flags_;
    SongListHeader* header_;
    QFont font_;
    ColumnSetStore* store_ = nullptr;
    int appliedPageKind_ = 0;
    int headerHeight_ = -1; // -1 until worked out for the current items
    std::vector<ColumnInfo> columns_;
    RowCells cells_; // reads columns_
    ListRows rows_;
    int lastClickedRow_ = -1;
    int lastClickedColumn_ = -1;
    int lastChangedRow_ = -1;
    int focusedRow_ = -1;
    int anchorRow_ = -1;
    // The pressed drop-down cell and its open list.
    int pressedRow_ = -1;
    int pressedColumn_ = -1;
    QListWidget* dropDownList_ = nullptr;
    QBasicTimer dropDownTimer_;
    // The phone-decoration click waiting to be reported.
    QBasicTimer phoneDecoTimer_;
    CellHit pendingPhoneDeco_;
    // Letters typed in quick succession, matched against the song names.
    QString typed_;
    QElapsedTimer typedAt_;
    // Drag and drop: the drag state, the drop target, and the press a drag may start from.
    std::unique_ptr<SongDragSource> drag_;
    std::unique_ptr<SongDropTarget> dropTarget_;
    std::optional<QPoint> dragPress_;
    int deferredSelect_ = -1; // a press on one of several selected rows selects it alone on release
};

} // namespace kesto
