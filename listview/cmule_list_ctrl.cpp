#include "listview/cmule_list_ctrl.h"

#include "include/kesto/panel_api.h"
#include "include/kesto/window_message.h"
#include "columns/cell_formatter.h"
#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "listview/cx_header_ctrl.h"
#include "columns/default_column_sets.h"
#include "columns/list_command_ids.h"
#include "columns/list_commands.h"
#include "listview/list_control_owner.h"
#include "listview/list_menus.h"
#include "columns/page_rules.h"
#include "listview/row_painter.h"
#include "listview/skin_scroll_bar.h"
#include "columns/sort_rules.h"
#include "songs/panel_messages.h"
#include "platform/cp949.h"
#include "platform/message_box.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace kesto {
namespace {

QString toScreen(std::string_view cp949) {
    return QString::fromStdString(Cp949::toUtf8(cp949));
}

bool isRankTitle(const QString& title) {
    return title.compare(QStringLiteral("RANK"), Qt::CaseInsensitive) == 0;
}

} // namespace

CMuleListCtrl::CMuleListCtrl(MessagePort& port, WindowHandle target, ListControlOwner& owner, int flags,
                             QWidget* parent)
    : QAbstractScrollArea(parent), port_(port), target_(target), owner_(owner), flags_(flags),
      header_(new CXHeaderCtrl(this)) {
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
    connect(header_, &QHeaderView::sectionClicked, this, &CMuleListCtrl::headerClicked);
    connect(header_, &QHeaderView::sectionResized, this, [this] { updateScrollBars(); });
    connect(header_, &QHeaderView::sectionMoved, this, [this] { viewport()->update(); });
    connect(header_, &CXHeaderCtrl::menuRequested, this, [this](int column, const QPoint& pos) {
        if (isPlainList())
            return;
        std::unique_ptr<QMenu> menu(createHeaderMenu(column));
        menu->exec(pos);
    });
}

CMuleListCtrl::~CMuleListCtrl() {
    saveColumns();
}

SkinScrollBar* CMuleListCtrl::skinScrollBar(Qt::Orientation orientation) const {
    return static_cast<SkinScrollBar*>(orientation == Qt::Vertical ? verticalScrollBar()
                                                                   : horizontalScrollBar());
}

// ---- columns ----

void CMuleListCtrl::applyPageKind(int pageKind) {
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

void CMuleListCtrl::setColumns(std::span<const ColumnInfo> columns, int pageKind) {
    columns_.assign(columns.begin(), std::find_if(columns.begin(), columns.end(),
                                                  [](const ColumnInfo& c) { return c.isEnd(); }));
    appliedPageKind_ = pageKind;
    QStringList titles;
    for (const ColumnInfo& info : columns_)
        titles << toScreen(info.titleView());
    header_->setItems(titles);
    const bool images = PageRules::hasHeaderImages(pageKind) || isMiniList();
    const bool suppressed = owner_.rankSuppressed();
    for (int i = 0; i < columnCount(); ++i) {
        const ColumnInfo& info = columns_[static_cast<std::size_t>(i)];
        header_->resizeSection(i, info.width);
        header_->setSectionHidden(i, info.hidden != 0 || (suppressed && isRankTitle(titles[i])));
        if (images && info.kind == col::kCheck)
            header_->setImage(i, CXHeaderCtrl::Unchecked);
    }
    // Stored display order: place each column at its display index.
    for (int visual = 0; visual < columnCount(); ++visual)
        for (int i = 0; i < columnCount(); ++i)
            if (columns_[static_cast<std::size_t>(i)].displayIndex == visual)
                header_->moveSection(header_->visualIndex(i), visual);
    updateScrollBars();
    viewport()->update();
}

std::vector<ColumnInfo> CMuleListCtrl::columns() const {
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

int CMuleListCtrl::columnKind(int column) const {
    return column >= 0 && column < columnCount() ? columns_[static_cast<std::size_t>(column)].kind : 0;
}

int CMuleListCtrl::columnWidth(int column) const {
    return header_->sectionSize(column);
}

void CMuleListCtrl::hideColumn(int column) {
    if (column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return;
    columns_[static_cast<std::size_t>(column)].width =
        static_cast<std::int16_t>(header_->sectionSize(column));
    header_->setSectionHidden(column, true);
    updateScrollBars();
}

void CMuleListCtrl::showColumn(int column) {
    if (column < 0 || column >= columnCount())
        return;
    header_->setSectionHidden(column, false);
    header_->resizeSection(column, columns_[static_cast<std::size_t>(column)].width);
    updateScrollBars();
}

bool CMuleListCtrl::isColumnHidden(int column) const {
    return header_->isSectionHidden(column);
}

void CMuleListCtrl::saveColumns() {
    if (store_ != nullptr && appliedPageKind_ > 0 && !columns_.empty())
        store_->saveSet(appliedPageKind_, columns(), owner_.rankSuppressed());
}

void CMuleListCtrl::autoSizeColumn(int column) {
    if (column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return;
    const QFontMetrics metrics(font_);
    int width = metrics.horizontalAdvance(header_->title(column)) + 16;
    for (int row = 0; row < rowCount(); ++row)
        width = std::max(width, metrics.horizontalAdvance(rows_.at(row)->shownText(column)) + 8);
    header_->resizeSection(column, width);
}

// ---- rows ----

void CMuleListCtrl::fillCells(RowObject& object, int row, bool singleRow) const {
    const SongRecord& record = *object.record();
    const int pageKind = owner_.pageKind();
    const CellContext context{pageKind, row, isMiniList(), singleRow};
    std::vector<RowCell>& cells = object.cells();
    cells.resize(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const int kind = columns_[i].kind;
        RowCell& cell = cells[i];
        const int check = cell.check;
        cell = RowCell{};
        cell.text = CellFormatter::format(kind, record, context);
        cell.check = kind == col::kCheck ? std::max(0, check) : RowCell::kNoCheck;
        cell.clickFlags = ClickTable::flagsFor(kind, static_cast<int>(i), record, pageKind, isMiniList());
        cell.singleIcon = col::isIconKind(kind) && kind != col::kDownload && kind != col::kCheck;
        cell.twoZone = kind == col::kDownload;
        if (kind == col::kRankChange) {
            CellFormatter::rankChange(record.Rank_Text, &cell.trend);
            cell.rankMark = cell.trend != RankTrend::None;
        }
    }
    object.forgetShownTexts();
}

std::unique_ptr<RowObject> CMuleListCtrl::makeRow(SongRecord* record, std::unique_ptr<SongRecord> owned,
                                                  int row, bool singleRow) const {
    auto object = owned ? std::make_unique<RowObject>(std::move(owned)) : std::make_unique<RowObject>(record);
    if (object->record() != nullptr)
        fillCells(*object, row, singleRow);
    return object;
}

int CMuleListCtrl::insertRow(int row, SongRecord* record) {
    const int at = rows_.valid(row) ? row : rowCount();
    const int index = rows_.insert(at, makeRow(record, nullptr, at, false));
    updateScrollBars();
    viewport()->update();
    return index;
}

int CMuleListCtrl::insertRow(int row, std::unique_ptr<SongRecord> record) {
    const int at = rows_.valid(row) ? row : rowCount();
    const int index = rows_.insert(at, makeRow(nullptr, std::move(record), at, false));
    updateScrollBars();
    viewport()->update();
    return index;
}

void CMuleListCtrl::appendRows(std::span<SongRecord* const> records) {
    rows_.reserve(records.size() + static_cast<std::size_t>(rowCount()));
    for (SongRecord* record : records)
        rows_.insert(-1, makeRow(record, nullptr, rowCount(), false));
    afterCheckChange();
    updateScrollBars();
    viewport()->update();
}

void CMuleListCtrl::refreshRow(int row) {
    RowObject* object = rows_.at(row);
    if (object == nullptr || object->record() == nullptr)
        return;
    fillCells(*object, row, true);
    viewport()->update();
}

bool CMuleListCtrl::deleteRow(int row) {
    if (!rows_.remove(row))
        return false;
    if (focusedRow_ >= rowCount())
        focusedRow_ = rowCount() - 1;
    afterCheckChange();
    updateScrollBars();
    viewport()->update();
    return true;
}

void CMuleListCtrl::deleteAllRows() {
    releaseDropDown();
    rows_.clear();
    lastClickedRow_ = lastChangedRow_ = focusedRow_ = anchorRow_ = -1;
    afterCheckChange();
    updateScrollBars();
    viewport()->update();
}

SongRecord* CMuleListCtrl::record(int row) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr ? object->record() : nullptr;
}

QString CMuleListCtrl::cellText(int row, int column) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr ? object->shownText(column) : QString();
}

void CMuleListCtrl::setDropDown(int row, int column, const QStringList& entries) {
    RowObject* object = rows_.at(row);
    if (object == nullptr || object->cell(column) == nullptr)
        return;
    object->cell(column)->dropDown = true;
    object->choices = entries;
    viewport()->update();
}

void CMuleListCtrl::setCurrentRow(int row) {
    rows_.setCurrent(row);
    viewport()->update();
}

// ---- checks ----

bool CMuleListCtrl::isChecked(int row) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr && object->selected;
}

void CMuleListCtrl::setRowChecked(int row, bool checked) {
    rows_.setSelected(row, checked);
    afterCheckChange();
    viewport()->update();
}

void CMuleListCtrl::setAllChecked(bool on) {
    rows_.setAll(on);
    if (owner_.pageKind() == 1 || isMiniList())
        for (int row = 0; row < rowCount(); ++row)
            owner_.checkChanged(row, on);
    afterCheckChange();
    viewport()->update();
}

void CMuleListCtrl::checkAll() {
    setAllChecked(true);
}

void CMuleListCtrl::uncheckAll() {
    setAllChecked(false);
}

void CMuleListCtrl::invertChecks() {
    rows_.invert();
    afterCheckChange();
    viewport()->update();
}

void CMuleListCtrl::afterCheckChange() {
    const bool all = rows_.allChecked();
    if (isMiniList()) {
        owner_.allCheckedChanged(all);
        return;
    }
    for (int i = 0; i < columnCount(); ++i)
        if (header_->image(i) != CXHeaderCtrl::NoImage)
            header_->setImage(i, all ? CXHeaderCtrl::Checked : CXHeaderCtrl::Unchecked);
}

void CMuleListCtrl::toggleCheck(int row, int column) {
    RowCell* cell = rows_.at(row)->cell(column);
    const bool checked = cell->check == 0;
    rows_.setSelected(row, checked);
    if (checked)
        focusedRow_ = row;
    lastChangedRow_ = row;
    if (owner_.pageKind() == 1 || isMiniList())
        owner_.checkChanged(row, checked);
    port_.post(target_, msg::kToListControl, row, column);
    afterCheckChange();
    viewport()->update();
}

// ---- sorting ----

void CMuleListCtrl::headerClicked(int column) {
    const int image = header_->image(column);
    if (image == CXHeaderCtrl::NoImage) {
        sortByColumn(column);
        return;
    }
    if (image == CXHeaderCtrl::Unchecked && rowCount() > 0)
        setAllChecked(true);
    else if (image == CXHeaderCtrl::Checked)
        setAllChecked(false);
}

void CMuleListCtrl::sortByColumn(int column) {
    const bool ascending = !header_->sortAscending();
    const int pageKind = owner_.pageKind();
    if (column < 0 || column >= columnCount() ||
        !SortRules::isSortable(pageKind, column, owner_.rankSuppressed(), isMiniList()))
        return;
    header_->setSortState(column, ascending);
    // The rule and, for integer columns, the numbers are worked out once, not per comparison.
    const SortRules::Mode mode = SortRules::modeOf(pageKind, isMiniList(), column);
    rows_.sortBy(column, mode, ascending);
    renumberRows();
    owner_.rowsSorted();
    viewport()->update();
}

void CMuleListCtrl::renumberRows() {
    const bool mini = isMiniList();
    if (!mini && !PageRules::renumbersAfterSort(owner_.pageKind(), owner_.rankSuppressed()))
        return;
    for (int column = 0; column < columnCount(); ++column) {
        const int kind = columnKind(column);
        for (int row = 0; row < rowCount(); ++row) {
            RowObject* object = rows_.at(row);
            const RowCell* cell = object->cell(column);
            if (cell == nullptr)
                continue;
            if (kind == col::kNumber) {
                object->setText(column, std::to_string(row + 1));
            } else if (mini && kind == col::kSongName) {
                const std::size_t dot = cell->text.find('.');
                const std::string rest = dot == std::string::npos ? cell->text : cell->text.substr(dot + 1);
                object->setText(column, std::to_string(row + 1) + "." + rest);
            }
        }
    }
}

// ---- menus and commands ----

QMenu* CMuleListCtrl::createHeaderMenu(int column) {
    auto* menu = new QMenu(this);
    menu->addAction(QString::fromUtf8("자동 크기 조정"))->setData(listcmd::kAutoSizeColumn);
    menu->addAction(QString::fromUtf8("모든 항목 자동 크기 조정"))->setData(listcmd::kAutoSizeAll);
    menu->addSeparator();
    const bool suppressed = owner_.rankSuppressed();
    for (int i = PageRules::headerMenuFirstColumn(owner_.pageKind()); i < columnCount(); ++i) {
        const QString title = header_->title(i);
        if (title.isEmpty() || (suppressed && isRankTitle(title)))
            continue;
        QAction* action = menu->addAction(title);
        action->setCheckable(true);
        action->setChecked(!header_->isSectionHidden(i));
        action->setData(listcmd::kShowColumnBase + i);
    }
    connect(menu, &QMenu::triggered, this,
            [this, column](QAction* action) { runHeaderCommand(ListMenus::commandOf(action), column); });
    return menu;
}

void CMuleListCtrl::runHeaderCommand(int commandId, int column) {
    if (commandId == listcmd::kAutoSizeColumn) {
        autoSizeColumn(column);
    } else if (commandId == listcmd::kAutoSizeAll) {
        for (int i = 0; i < columnCount(); ++i)
            autoSizeColumn(i);
    } else if (commandId >= listcmd::kShowColumnBase) {
        const int target = commandId - listcmd::kShowColumnBase;
        if (isColumnHidden(target))
            showColumn(target);
        else
            hideColumn(target);
        saveColumns();
        owner_.columnsChanged();
    }
    viewport()->update();
}

QMenu* CMuleListCtrl::createContextMenu(bool rowHit) {
    QMenu* menu = ListMenus::create(PageRules::contextMenu(owner_.pageKind(), rowHit, isMiniList()), this);
    if (menu == nullptr)
        return nullptr;
    const QList<QAction*> actions = menu->findChildren<QAction*>();
    for (QAction* action : actions)
        if (const int id = ListMenus::commandOf(action); id != 0)
            action->setEnabled(owner_.commandEnabled(id));
    connect(menu, &QMenu::triggered, this,
            [this](QAction* action) { runCommand(ListMenus::commandOf(action)); });
    return menu;
}

int CMuleListCtrl::firstSelectedOrFocused(bool preferFocused) const {
    if (preferFocused && focusedRow_ >= 0 && isChecked(focusedRow_))
        return focusedRow_;
    const std::vector<int> selected = rows_.selectedRows();
    return selected.empty() ? -1 : selected.front();
}

void CMuleListCtrl::runCommand(int commandId) {
    using Action = ListCommand::Action;
    const ListCommand command = ListCommands::lookup(commandId, isMiniList());
    switch (command.action) {
    case Action::Post: {
        std::intptr_t lParam = 0;
        if (command.lParam != ListCommand::Row::None) {
            const int row = firstSelectedOrFocused(command.lParam == ListCommand::Row::FocusedOrFirst);
            if (row < 0)
                return; // the command needs a selection
            lParam = row;
        }
        port_.post(target_, command.message, 0, lParam);
        return;
    }
    case Action::CheckAll:
        return checkAll();
    case Action::UncheckAll:
        return uncheckAll();
    case Action::InvertChecks:
        return invertChecks();
    case Action::PutInto: {
        std::vector<SongRecord*> records;
        for (int row : rows_.selectedRows())
            if (SongRecord* r = record(row))
                records.push_back(r);
        if (!records.empty())
            owner_.putInto(commandId, records);
        return;
    }
    case Action::LoadList:
        port_.send(owner_.hostSideWindow(), KESTO_MSG_LOAD_LIST, command.which, 0);
        owner_.loadList(command.which);
        return;
    case Action::ClearNowPlaying:
        return owner_.clearNowPlaying();
    case Action::AutoSizeColumn:
    case Action::AutoSizeAll:
        return runHeaderCommand(commandId, lastClickedColumn_);
    case Action::Forward:
        return owner_.forwardCommand(commandId);
    case Action::None:
        return;
    }
}

// ---- geometry ----

void CMuleListCtrl::updateScrollBars() {
    const int headerHeight = header_->isVisible() ? header_->sizeHint().height() : 0;
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(kRowHeight);
    verticalScrollBar()->setRange(0, std::max(0, rowCount() * kRowHeight - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setRange(0, std::max(0, header_->length() - area.width()));
    header_->setOffset(horizontalScrollBar()->value());
}

void CMuleListCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CMuleListCtrl::scrollContentsBy(int, int) {
    header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

std::vector<ColumnSpan> CMuleListCtrl::visibleSpans() const {
    std::vector<ColumnSpan> spans;
    for (int visual = 0; visual < header_->count(); ++visual) {
        const int column = header_->logicalIndex(visual);
        if (column < 0 || header_->isSectionHidden(column))
            continue;
        spans.push_back({column, columnKind(column), header_->sectionViewportPosition(column),
                         header_->sectionSize(column)});
    }
    return spans;
}

int CMuleListCtrl::rowAt(int y) const {
    if (y < 0)
        return -1;
    const int row = (y + verticalScrollBar()->value()) / kRowHeight;
    return rows_.valid(row) ? row : -1;
}

int CMuleListCtrl::columnAt(int x) const {
    const int column = header_->logicalIndexAt(x);
    return column >= 0 && column < header_->count() ? column : -1;
}

QRect CMuleListCtrl::cellRect(int row, int column) const {
    if (!rows_.valid(row) || column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return {};
    return QRect(header_->sectionViewportPosition(column), row * kRowHeight - verticalScrollBar()->value(),
                 header_->sectionSize(column), kRowHeight);
}

ListColors CMuleListCtrl::colors() const {
    const QColor base = palette().color(QPalette::Text);
    return ListColors::forSkin(owner_.skinType(), isMiniList(), rgb(base.red(), base.green(), base.blue()));
}

void CMuleListCtrl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const ListColors palette = colors();
    painter.fillRect(event->rect(), QColor(255, 255, 255));
    const RowPainter rowPainter(palette, font_);
    const std::vector<ColumnSpan> spans = visibleSpans();
    const int offset = verticalScrollBar()->value();
    const int first = std::max(0, (event->rect().top() + offset) / kRowHeight);
    const int last = std::min(rowCount() - 1, (event->rect().bottom() + offset) / kRowHeight);
    const bool marking = owner_.currentMarking();
    for (int row = first; row <= last; ++row) {
        const QRect rowRect(0, row * kRowHeight - offset, viewport()->width(), kRowHeight);
        rowPainter.paint(painter, *rows_.at(row), row, rowRect, spans, marking);
    }
}

// ---- mouse ----

CMuleListCtrl::CellHit CMuleListCtrl::hitTest(const QPoint& pos) const {
    CellHit hit;
    hit.row = rowAt(pos.y());
    if (hit.row < 0 || rows_.at(hit.row)->record() == nullptr)
        return {};
    hit.column = columnAt(pos.x());
    if (hit.column < 0 || hit.column >= columnCount())
        hit.column = -1;
    else
        hit.x = pos.x() - header_->sectionViewportPosition(hit.column);
    return hit;
}

std::optional<ClickKind> CMuleListCtrl::clickAt(const CellHit& hit) const {
    const RowObject* object = rows_.at(hit.row);
    const RowCell* cell = object != nullptr ? object->cell(hit.column) : nullptr;
    if (cell == nullptr || cell->clickFlags == 0)
        return std::nullopt;
    const int width = header_->sectionSize(hit.column);
    const int textWidth = QFontMetrics(font_).horizontalAdvance(object->shownText(hit.column));
    for (ClickKind kind : ClickTable::kOrder)
        if ((cell->clickFlags & ClickTable::bit(kind)) != 0 &&
            ClickTable::inHotArea(ClickTable::action(kind, isMiniList()).area, hit.x, width, textWidth))
            return kind;
    return std::nullopt;
}

void CMuleListCtrl::notify(unsigned message, std::intptr_t wParam, std::intptr_t lParam, bool miniRoute) {
    if (miniRoute && isMiniList())
        port_.send(target_, message, wParam, lParam);
    else
        port_.post(target_, message, wParam, lParam);
}

void CMuleListCtrl::showGreyNotice() {
    const std::string& notice = PageRules::greyItemNotice(owner_.pageKind());
    MessageBox* box = owner_.messageBox();
    if (!notice.empty() && box != nullptr)
        box->show(notice, kMessageBoxCaption, mb::kInformationOk);
}

void CMuleListCtrl::dispatchClick(ClickKind kind, const CellHit& hit) {
    const ClickAction action = ClickTable::action(kind, isMiniList());
    if (kind == ClickKind::GreyState)
        return showGreyNotice();
    if (action.delayed) {
        pendingPhoneDeco_ = hit;
        phoneDecoTimer_.start(kPhoneDecoDelayMs, this);
        return;
    }
    const std::intptr_t wParam = action.rowInLParam ? 0 : hit.row;
    const std::intptr_t lParam = action.rowInLParam ? hit.row : hit.column;
    if (action.toParent)
        port_.post(static_cast<WindowHandle>(parentWidget()), action.message, wParam, lParam);
    else
        notify(action.message, wParam, lParam, true);
}

void CMuleListCtrl::selectByClick(int row, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::ControlModifier) != 0) {
        rows_.setSelected(row, !isChecked(row));
    } else if ((modifiers & Qt::ShiftModifier) != 0 && anchorRow_ >= 0) {
        const auto [low, high] = std::minmax(anchorRow_, row);
        for (int i = 0; i < rowCount(); ++i)
            rows_.setSelected(i, i >= low && i <= high);
    } else {
        rows_.selectOnly(row);
        anchorRow_ = row;
    }
    focusedRow_ = row;
    lastChangedRow_ = row;
    afterCheckChange();
}

void CMuleListCtrl::leftPress(const CellHit& hit, Qt::KeyboardModifiers modifiers) {
    RowCell* cell = rows_.at(hit.row)->cell(hit.column);
    if (cell != nullptr && cell->check != RowCell::kNoCheck)
        return toggleCheck(hit.row, hit.column);
    if (cell != nullptr && cell->dropDown && hit.x >= header_->sectionSize(hit.column) - kDropDownWidth) {
        cell->pressed = true;
        pressedRow_ = hit.row;
        pressedColumn_ = hit.column;
        dropDownTimer_.start(kDropDownWatchMs, this);
        viewport()->update();
        return;
    }
    selectByClick(hit.row, modifiers);
    if (const auto kind = clickAt(hit))
        dispatchClick(*kind, hit);
    viewport()->update();
}

void CMuleListCtrl::mousePressEvent(QMouseEvent* event) {
    const CellHit hit = hitTest(event->position().toPoint());
    lastClickedRow_ = hit.row;
    lastClickedColumn_ = hit.column;
    if (event->button() == Qt::RightButton) {
        if (hit.row >= 0 && !isChecked(hit.row)) {
            rows_.selectOnly(hit.row); // everything else is deselected and unchecked first
            focusedRow_ = hit.row;
            afterCheckChange();
            viewport()->update();
        }
        return;
    }
    if (event->button() == Qt::LeftButton && hit.row >= 0 && hit.column >= 0)
        leftPress(hit, event->modifiers());
}

void CMuleListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedRow_ < 0 || event->button() != Qt::LeftButton)
        return;
    const CellHit hit = hitTest(event->position().toPoint());
    if (hit.row == pressedRow_ && hit.column == pressedColumn_)
        openDropDown(pressedRow_, pressedColumn_);
    else
        releaseDropDown();
}

void CMuleListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const CellHit hit = hitTest(event->position().toPoint());
    if (hit.row < 0)
        return;
    const auto kind = hit.column >= 0 ? clickAt(hit) : std::nullopt;
    if (kind == ClickKind::PhoneDeco)
        return;
    if (kind == ClickKind::Lyrics) {
        notify(isMiniList() ? msg::kMiniLyrics : msg::kRowLyrics, hit.row, hit.column, true);
        return;
    }
    if (PageRules::doubleClickPlays(owner_.pageKind(), isPlainList()))
        notify(isMiniList() ? msg::kMiniPlayRow : msg::kRowListen, 0, hit.row, true);
}

void CMuleListCtrl::mouseMoveEvent(QMouseEvent* event) {
    const CellHit hit = hitTest(event->position().toPoint());
    const auto kind = hit.row >= 0 && hit.column >= 0 ? clickAt(hit) : std::nullopt;
    const bool hand = kind && ClickTable::action(*kind, isMiniList()).handCursor;
    viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CMuleListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    const bool rowHit = rowAt(viewport()->mapFrom(this, event->pos()).y()) >= 0;
    std::unique_ptr<QMenu> menu(createContextMenu(rowHit));
    if (menu)
        menu->exec(event->globalPos());
}

// ---- timers and drop-down lists ----

void CMuleListCtrl::timerEvent(QTimerEvent* event) {
    if (event->timerId() == phoneDecoTimer_.timerId()) {
        phoneDecoTimer_.stop();
        const ClickAction action = ClickTable::action(ClickKind::PhoneDeco, isMiniList());
        notify(action.message, pendingPhoneDeco_.row, pendingPhoneDeco_.column, true);
        return;
    }
    if (event->timerId() == dropDownTimer_.timerId()) {
        // Leaving the pressed cell releases it.
        const QPoint pos = viewport()->mapFromGlobal(QCursor::pos());
        if (!cellRect(pressedRow_, pressedColumn_).contains(pos) && dropDownList_ == nullptr)
            releaseDropDown();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}

void CMuleListCtrl::openDropDown(int row, int column) {
    dropDownTimer_.stop();
    RowObject* object = rows_.at(row);
    if (object == nullptr || object->choices.isEmpty())
        return releaseDropDown();
    dropDownList_ = new QListWidget(this);
    dropDownList_->setWindowFlags(Qt::Popup);
    dropDownList_->addItems(object->choices);
    const QRect cell = cellRect(row, column);
    dropDownList_->setGeometry(
        QRect(viewport()->mapToGlobal(cell.bottomLeft()),
              QSize(cell.width(), kRowHeight * static_cast<int>(object->choices.size()) + 4)));
    connect(dropDownList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseDropDownEntry(dropDownList_->row(item)); });
    dropDownList_->show();
}

void CMuleListCtrl::chooseDropDownEntry(int index) {
    const int row = pressedRow_;
    const int column = pressedColumn_;
    RowObject* object = rows_.at(row);
    if (object != nullptr && index >= 0 && index < object->choices.size())
        object->setText(column, Cp949::fromUtf8(object->choices[index].toStdString()));
    releaseDropDown();
    if (object != nullptr && index >= 0)
        port_.send(target_, msg::kDropDownCell, row, index);
}

void CMuleListCtrl::releaseDropDown() {
    dropDownTimer_.stop();
    if (RowObject* object = rows_.at(pressedRow_))
        if (RowCell* cell = object->cell(pressedColumn_))
            cell->pressed = false;
    pressedRow_ = pressedColumn_ = -1;
    if (dropDownList_ != nullptr) {
        dropDownList_->hide();
        dropDownList_->deleteLater();
        dropDownList_ = nullptr;
    }
    viewport()->update();
}

bool CMuleListCtrl::event(QEvent* event) {
    if (event->type() == WindowMessageEvent::eventType()) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        if (message->message() == msg::kInfoPage) {
            port_.post(target_, message->message(), message->wParam(), message->lParam());
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

} // namespace kesto
