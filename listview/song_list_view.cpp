#include "listview/song_list_view.h"

#include "columns/cell_formatter.h"
#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/list_command_ids.h"
#include "columns/list_commands.h"
#include "columns/page_rules.h"
#include "columns/sort_rules.h"
#include "include/kesto/panel_api.h"
#include "include/kesto/window_message.h"
#include "listview/list_control_owner.h"
#include "listview/list_menus.h"
#include "listview/row_painter.h"
#include "listview/skin_scroll_bar.h"
#include "listview/song_drag_source.h"
#include "listview/song_drop_target.h"
#include "listview/song_list_accessible.h"
#include "listview/song_list_header.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "platform/screen_text.h"
#include "songs/panel_messages.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace kesto {

SongListView::SongListView(MessagePort& port, WindowHandle target, ListControlOwner& owner, int flags,
                           QWidget* parent)
    : QAbstractScrollArea(parent), port_(port), target_(target), owner_(owner), flags_(flags),
      header_(new SongListHeader(this)), cells_(columns_, (flags & MiniList) != 0) {
    font_.setFamilies({QString::fromUtf8("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
    font_.setPixelSize(12);
    font_.setWeight(QFont::Normal);
    setFont(font_);
    header_->setFont(font_);
    setVerticalScrollBar(new SkinScrollBar(Qt::Vertical, isMiniList(), this));
    setHorizontalScrollBar(new SkinScrollBar(Qt::Horizontal, isMiniList(), this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    header_->setVisible(!isMiniList()); // the mini window draws its own headings
    drag_ = std::make_unique<SongDragSource>(*this, owner_);
    dropTarget_ = std::make_unique<SongDropTarget>(*this, owner_, *drag_);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(header_, &QHeaderView::sectionClicked, this, &SongListView::headerClicked);
    connect(header_, &QHeaderView::sectionResized, this, [this] { updateScrollBars(); });
    connect(header_, &QHeaderView::sectionMoved, this, [this] { viewport()->update(); });
    connect(header_, &SongListHeader::menuRequested, this, [this](int column, const QPoint& pos) {
        if (isPlainList())
            return;
        std::unique_ptr<QMenu> menu(createHeaderMenu(column));
        menu->exec(pos);
    });
    SongListAccessible::attach();
}

SongListView::~SongListView() {
    saveColumns();
    SongListAccessible::detach();
}

SkinScrollBar* SongListView::skinScrollBar(Qt::Orientation orientation) const {
    return static_cast<SkinScrollBar*>(orientation == Qt::Vertical ? verticalScrollBar()
                                                                   : horizontalScrollBar());
}

// ---- columns ----

void SongListView::applyPageKind(int pageKind) {
    saveColumns();
    deleteAllRows();
    const bool suppressed = owner_.rankSuppressed();
    bool usedDefault = true;
    std::vector<ColumnInfo> set = store_ != nullptr ? store_->load(pageKind, suppressed, &usedDefault)
                                                    : DefaultColumnSets::forPageKind(pageKind);
    if (usedDefault && PageRules::albumStartsHidden(pageKind))
        for (ColumnInfo& info : set)
            if (info.kind == col::kAlbum)
                info.hidden = 1;
    setColumns(set, pageKind);
}

void SongListView::setColumns(std::span<const ColumnInfo> columns, int pageKind) {
    columns_.assign(columns.begin(), std::find_if(columns.begin(), columns.end(),
                                                  [](const ColumnInfo& c) { return c.isEnd(); }));
    appliedPageKind_ = pageKind;
    QStringList titles;
    for (const ColumnInfo& info : columns_)
        titles << ScreenText::fromCp949(info.titleView());
    header_->setItems(titles);
    headerHeight_ = -1;
    const bool images = PageRules::hasHeaderImages(pageKind) || isMiniList();
    const bool suppressed = owner_.rankSuppressed();
    for (int i = 0; i < columnCount(); ++i) {
        const ColumnInfo& info = columns_[static_cast<std::size_t>(i)];
        header_->resizeSection(i, info.width);
        header_->setSectionHidden(i,
                                  info.hidden != 0 || (suppressed && SongListHeader::isRankTitle(titles[i])));
        if (images && info.kind == col::kCheck)
            header_->setImage(i, SongListHeader::Unchecked);
    }
    // Stored display order: place each column at its display index.
    for (int visual = 0; visual < columnCount(); ++visual)
        for (int i = 0; i < columnCount(); ++i)
            if (columns_[static_cast<std::size_t>(i)].displayIndex == visual)
                header_->moveSection(header_->visualIndex(i), visual);
    updateScrollBars();
    viewport()->update();
}

std::vector<ColumnInfo> SongListView::columns() const {
    std::vector<ColumnInfo> out = columns_;
    for (int i = 0; i < columnCount(); ++i) {
        ColumnInfo& info = out[static_cast<std::size_t>(i)];
        info.displayIndex = static_cast<std::uint16_t>(header_->visualIndex(i));
        info.hidden = header_->isSectionHidden(i) ? 1 : 0;
        if (!header_->isSectionHidden(i))
            info.width = static_cast<std::int16_t>(header_->sectionSize(i));
    }
    return out;
}

int SongListView::columnKind(int column) const {
    return column >= 0 && column < columnCount() ? columns_[static_cast<std::size_t>(column)].kind : 0;
}

int SongListView::columnWidth(int column) const {
    return header_->sectionSize(column);
}

void SongListView::hideColumn(int column) {
    if (column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return;
    columns_[static_cast<std::size_t>(column)].width =
        static_cast<std::int16_t>(header_->sectionSize(column));
    header_->setSectionHidden(column, true);
    updateScrollBars();
}

void SongListView::showColumn(int column) {
    if (column < 0 || column >= columnCount())
        return;
    header_->setSectionHidden(column, false);
    header_->resizeSection(column, columns_[static_cast<std::size_t>(column)].width);
    updateScrollBars();
}

bool SongListView::isColumnHidden(int column) const {
    return header_->isSectionHidden(column);
}

void SongListView::saveColumns() {
    if (store_ != nullptr && appliedPageKind_ > 0 && !columns_.empty())
        store_->saveSet(appliedPageKind_, columns(), owner_.rankSuppressed());
}

void SongListView::autoSizeColumn(int column) {
    if (column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return;
    const QFontMetrics metrics(font_);
    int width = metrics.horizontalAdvance(header_->title(column)) + 16;
    for (int row = 0; row < rowCount(); ++row)
        width = std::max(width, metrics.horizontalAdvance(cells_.shownText(*rows_.at(row), column)) + 8);
    header_->resizeSection(column, width);
}

// ---- rows ----

std::unique_ptr<RowObject> SongListView::makeRow(Song* record, std::unique_ptr<Song> owned, int row,
                                                 bool singleRow) const {
    auto object = owned ? std::make_unique<RowObject>(std::move(owned)) : std::make_unique<RowObject>(record);
    if (object->record() != nullptr)
        object->fill(row + 1, owner_.pageKind(), singleRow);
    return object;
}

int SongListView::insertRow(int row, Song* record) {
    const int at = rows_.valid(row) ? row : rowCount();
    const int index = rows_.insert(at, makeRow(record, nullptr, at, false));
    updateScrollBars();
    viewport()->update();
    SongListAccessible::rowsChanged(this);
    return index;
}

int SongListView::insertRow(int row, std::unique_ptr<Song> record) {
    const int at = rows_.valid(row) ? row : rowCount();
    const int index = rows_.insert(at, makeRow(nullptr, std::move(record), at, false));
    updateScrollBars();
    viewport()->update();
    SongListAccessible::rowsChanged(this);
    return index;
}

void SongListView::appendRows(std::span<Song* const> records) {
    rows_.reserve(records.size() + static_cast<std::size_t>(rowCount()));
    for (Song* record : records)
        rows_.insert(-1, makeRow(record, nullptr, rowCount(), false));
    afterCheckChange();
    updateScrollBars();
    viewport()->update();
    SongListAccessible::rowsChanged(this);
}

void SongListView::refreshRow(int row) {
    RowObject* object = rows_.at(row);
    if (object == nullptr || object->record() == nullptr)
        return;
    object->fill(row + 1, owner_.pageKind(), true);
    viewport()->update();
}

bool SongListView::deleteRow(int row) {
    if (!rows_.remove(row))
        return false;
    if (focusedRow_ >= rowCount())
        focusedRow_ = rowCount() - 1;
    afterCheckChange();
    updateScrollBars();
    viewport()->update();
    SongListAccessible::rowsChanged(this);
    return true;
}

void SongListView::deleteAllRows() {
    // Show page clears the list before its fetch and again as it fills it: a list that is empty
    // with nothing pressed or chosen has nothing to lay out again.
    if (rowCount() == 0 && pressedRow_ < 0 && dropDownList_ == nullptr && lastClickedRow_ < 0 &&
        lastChangedRow_ < 0 && focusedRow_ < 0 && anchorRow_ < 0) {
        afterCheckChange();
        return;
    }
    releaseDropDown();
    rows_.clear();
    lastClickedRow_ = lastChangedRow_ = focusedRow_ = anchorRow_ = -1;
    afterCheckChange();
    updateScrollBars();
    viewport()->update();
    SongListAccessible::rowsChanged(this);
}

Song* SongListView::record(int row) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr ? object->record() : nullptr;
}

std::optional<RowCell> SongListView::cell(int row, int column) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr ? cells_.cell(*object, column) : std::nullopt;
}

QString SongListView::cellText(int row, int column) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr ? cells_.shownText(*object, column) : QString();
}

int SongListView::checkedCount(int column) const {
    return columnKind(column) == col::kCheck ? rows_.selectedCount() : 0;
}

void SongListView::setDropDown(int row, int column, const QStringList& entries) {
    RowObject* object = rows_.at(row);
    if (object == nullptr || !cells_.has(*object, column))
        return;
    object->setDropDown(column, entries);
    viewport()->update();
}

void SongListView::setCurrentRow(int row) {
    rows_.setCurrent(row);
    viewport()->update();
}

} // namespace kesto
