#pragma once
// The song list: a table view over the song table model, with one delegate that draws each kind
// of cell and a header that is also the check-all box and the column chooser. Ticks are the model's
// check states and the view's selection follows them. On top of what the view does by itself,
// the list adds what the panel needs: clicks on cell icons turned into the panel's numbered
// messages, Space ticks, Enter listens, type-ahead, menus, and the drop rules. What the list
// tells its owner goes out as signals; what it needs to know is set on it when the page changes.

#include "columns/click_table.h"
#include "columns/column_info.h"
#include "columns/column_kind.h"
#include "columns/drop_rules.h"
#include "listview/song_table_model.h"
#include "platform/message_port.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QTableView>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QMenu;
class QMimeData;

namespace kesto {

class ColumnSetStore;
class MessageBox;
class SongListHeader;
enum class ClickKind : std::uint8_t;

class SongListView : public QTableView {
    Q_OBJECT
public:
    enum Flag { NoFlags = 0, MiniList = 1, PlainList = 2 };
    static constexpr int kRowHeight = 18;
    static constexpr int kPhoneDecoDelayMs = 300;

    // What the list asks of its owner at the moment of use (the host may change the skin and the
    // marking at any time, a command's state follows the chosen songs).
    struct Answers {
        std::function<int()> skinType;        // 0 or none reads as skin 1
        std::function<bool()> currentMarking; // none: marked
        std::function<bool(int commandId)> commandEnabled;
        std::function<int()> dropPageKind; // none: the page kind
    };

    // Messages go to target through port.
    SongListView(MessagePort& port, WindowHandle target, int flags = NoFlags, QWidget* parent = nullptr);
    ~SongListView() override;

    bool isMiniList() const { return (flags_ & MiniList) != 0; }
    bool isPlainList() const { return (flags_ & PlainList) != 0; }
    SongListHeader* header() const { return header_; }
    SongTableModel& table() const { return *model_; }

    // What the owner tells the list.
    void setAnswers(Answers answers) { answers_ = std::move(answers); }
    void setRankSuppressed(bool suppressed) { rankSuppressed_ = suppressed; }
    bool rankSuppressed() const { return rankSuppressed_; }
    void setMessageBox(MessageBox* box) { box_ = box; }
    // Where "load a play list or my album" goes (message 1232); null when there is none.
    void setHostSideWindow(WindowHandle window) { hostSideWindow_ = window; }
    int pageKind() const { return model_->pageKind(); }
    int dropPageKind() const { return answers_.dropPageKind ? answers_.dropPageKind() : pageKind(); }
    bool commandEnabled(int commandId) const {
        return !answers_.commandEnabled || answers_.commandEnabled(commandId);
    }

    // Columns.
    void setColumnStore(ColumnSetStore* store) { store_ = store; }
    // Saves the page kind being left, clears rows and columns, loads and installs the new set.
    void applyPageKind(int pageKind);
    void setColumns(std::span<const ColumnInfo> columns, int pageKind);
    std::vector<ColumnInfo> columns() const; // as the header shows them now
    int columnCount() const { return model_->columnCount(); }
    int columnKind(int column) const { return model_->kindOf(column); }
    void saveColumns();

    // Rows. Appended records stay their owner's; an inserted one is kept by its row.
    int insertRow(int row, std::unique_ptr<Song> record) { return model_->insert(row, std::move(record)); }
    void appendRows(std::span<Song* const> records);
    void refreshRow(int row) { model_->refresh(row); }
    bool deleteRow(int row);
    void deleteAllRows();
    int rowCount() const { return model_->rowCount(); }
    RowObject* rowObject(int row) const { return model_->row(row); }
    Song* record(int row) const { return model_->record(row); }
    std::optional<RowCell> cell(int row, int column) const { return model_->cell(row, column); }
    QString cellText(int row, int column) const { return model_->cellText(row, column); }
    void setDropDown(int row, int column, const QStringList& entries);
    void setCurrentRow(int row) { model_->setCurrent(row); }
    int currentRow() const { return model_->current(); }

    // Ticks, which are the selection.
    void checkAll() { setAllChecked(true); }
    void uncheckAll() { setAllChecked(false); }
    int checkedCount(int column) const {
        return columnKind(column) == col::kCheck ? model_->checkedCount() : 0;
    }
    bool isChecked(int row) const { return model_->isChecked(row); }
    void setRowChecked(int row, bool checked) { model_->setChecked(row, checked); }
    std::vector<int> selectedRows() const { return model_->checkedRows(); }
    int focusedRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

    // Sorting by a column index of the page's table; a column that does not sort changes nothing.
    void sortByColumn(int column);
    void headerClicked(int column);

    // Menus; the returned menu belongs to the caller. Choosing an entry runs its command.
    QMenu* createHeaderMenu(int column);
    QMenu* createContextMenu(bool rowHit);
    void runCommand(int commandId);
    void runHeaderCommand(int commandId, int column);

    // Drag and drop (SongTableModel::beginDrag); startDrag runs a whole drag.
    std::unique_ptr<QMimeData> beginDrag() { return model_->beginDrag(); }
    void endDrag() { model_->endDrag(); }
    bool isDragging() const { return model_->dragging(); }
    std::vector<int> draggedRows() const { return model_->dragRows(); }
    int dropRow() const { return model_->dropRow(); }
    // The dragged rows go to the drop row (message 1121); rowsMoved follows.
    void moveDraggedRows();
    // Points the rows at other records showing the same songs, row by row.
    void rebindRows(std::span<Song* const> records) { model_->rebind(records); }

    QRect cellRect(int row, int column) const; // empty for a hidden column

signals:
    // A row's tick changed on the now-playing page or in the mini list.
    void checkChanged(int row, bool checked);
    // The mini list shows "all checked" on its own button.
    void allCheckedChanged(bool allChecked);
    // The rows were sorted; the now-playing store follows the new order.
    void rowsSorted();
    // Rows were moved by a drop within the list (message 1121).
    void rowsMoved();
    // Songs dropped from another list, and files and folders from the desktop; once the drop
    // has returned, with copies.
    void songsDropped(const DropDecision& decision, const std::vector<Song>& songs);
    void filesDropped(const std::vector<std::string>& paths);
    // A column was hidden or shown from the header menu.
    void columnsChanged();
    // Put into a playlist, my album, the cart or a gift (by command id).
    void putInto(int commandId, const std::vector<Song*>& records);
    // Load a play list (1) or my album (2).
    void loadList(int which);
    void clearNowPlaying();
    // Mini list commands handled by the mini play list window.
    void forwardCommand(int commandId);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    struct CellHit {
        int row = -1;
        int column = -1;
        int x = 0; // relative to the cell's left edge
    };

    int checkColumn() const { return model_->columnOfKind(col::kCheck); } // -1: no check boxes
    int titleColumn() const { return model_->columnOfKind(col::kSongName); }
    // Moves the keyboard focus to a row (the view scrolls it into view); ticks stay as they are.
    void setFocusedRow(int row);
    CellHit hitTest(const QPoint& viewportPos) const;
    std::optional<ClickKind> clickAt(const CellHit& hit) const;
    void leftPress(const CellHit& hit, Qt::KeyboardModifiers modifiers);
    // Ticks or unticks a row as a click on its check box in column does; -1: a page without
    // check boxes, where the row's tick is its selection alone and nothing is posted.
    void toggleCheck(int row, int column);
    void selectByClick(int row, Qt::KeyboardModifiers modifiers);
    void dispatchClick(ClickKind kind, const CellHit& hit);
    void notify(unsigned message, RowWords words, bool miniRoute);
    // The selection, the header's box and the mini list's button follow the ticks.
    void followChecks();
    // A selection changed from outside (a screen reader's toggle) ticks as a click does.
    void selectionTicks(const QItemSelection& selected, const QItemSelection& deselected);
    void setAllChecked(bool on);
    void tellChecks(int row, bool checked);
    int focusColumn() const;
    DropPlace dropPlace(const QMimeData& data) const;
    // The answer to an offer over pos; where it may drop as songs, the row there is the drop row.
    DropEffect dropEffect(const DropOffer& offer, const DropPlace& place, const QPoint& pos);
    void dropped(const DropDecision& decision, const QMimeData& data);
    bool dragFromPress(const QMouseEvent* event);
    int firstSelectedOrFocused(bool preferFocused) const;
    void updateLook();
    // Keyboard.
    void toggleByKey();
    void listenByKey();
    bool deleteByKey();
    void openMenuByKey();
    bool typeAhead(const QString& text);
    QString titleOf(int row, int column) const;

    MessagePort& port_;
    WindowHandle target_;
    int flags_;
    SongTableModel* model_;
    SongListHeader* header_;
    Answers answers_;
    bool rankSuppressed_ = false;
    MessageBox* box_ = nullptr;
    WindowHandle hostSideWindow_ = nullptr;
    ColumnSetStore* store_ = nullptr;
    int appliedPageKind_ = 0;
    bool followingChecks_ = false;
    int lastClickedColumn_ = -1;
    int anchorRow_ = -1;
    // The phone-decoration click waiting to be reported.
    QBasicTimer phoneDecoTimer_;
    CellHit pendingPhoneDeco_;
    // Letters typed in quick succession, matched against the song names.
    QString typed_;
    QElapsedTimer typedAt_;
    // The press a drag may start from.
    std::optional<QPoint> dragPress_;
    int deferredSelect_ = -1; // a press on one of several selected rows selects it alone on release
};

} // namespace kesto
