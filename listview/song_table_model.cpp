#include "listview/song_table_model.h"

#include "columns/cell_formatter.h"
#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "columns/drag_formats.h"
#include "listview/drag_table.h"
#include "listview/song_drag_data.h"
#include "platform/cp949.h"
#include "platform/process_drag_table.h"
#include "platform/screen_text.h"

#include <QColor>

#include <algorithm>

namespace kesto {

SongTableModel::SongTableModel(bool miniList, QObject* parent)
    : QAbstractTableModel(parent), miniList_(miniList) {}

void SongTableModel::setColumns(std::span<const ColumnInfo> columns, int pageKind) {
    // The header starts over from no sections, as a new page's columns do.
    beginResetModel();
    columns_.clear();
    endResetModel();
    beginResetModel();
    columns_.assign(columns.begin(), std::find_if(columns.begin(), columns.end(),
                                                  [](const ColumnInfo& c) { return c.isEnd(); }));
    pageKind_ = pageKind;
    endResetModel();
}

int SongTableModel::kindOf(int column) const {
    return column >= 0 && column < columnCount() ? columns_[static_cast<std::size_t>(column)].kind : 0;
}

int SongTableModel::columnOfKind(int kind) const {
    for (int column = 0; column < columnCount(); ++column)
        if (kindOf(column) == kind)
            return column;
    return -1;
}

void SongTableModel::setLook(const ListColors& colors, bool marking) {
    colors_ = colors;
    marking_ = marking;
}

int SongTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SongTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant SongTableModel::data(const QModelIndex& index, int role) const {
    const RowObject* object = row(index.row());
    if (object == nullptr || object->record() == nullptr)
        return {};
    const bool check = kindOf(index.column()) == col::kCheck;
    switch (role) {
    case Qt::DisplayRole:
        return check ? QVariant() : QVariant(cellText(index.row(), index.column()));
    case Qt::CheckStateRole:
        return check ? QVariant(object->selected ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::AccessibleTextRole: // a tick says whose it is
        if (!check)
            return {};
        return columnOfKind(col::kSongName) >= 0
                   ? cellText(index.row(), columnOfKind(col::kSongName))
                   : ScreenText::fromCp949(object->record()->view(SongField::Song_Name));
    case Qt::BackgroundRole:
        return QColor(QRgb(colors_.background(index.row())));
    case Qt::ForegroundRole: {
        if (kindOf(index.column()) == col::kRankChange && !object->isGrey()) {
            RankTrend trend = RankTrend::None;
            CellFormatter::rankChange(object->record()->view(SongField::Rank_Text), &trend);
            if (trend != RankTrend::None)
                return QColor(QRgb(ListColors::rankColor(trend)));
        }
        const bool current = marking_ && index.row() == current_;
        return QColor(QRgb(colors_.text(object->selected, current, object->isGrey())));
    }
    default:
        return {};
    }
}

bool SongTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role == Qt::CheckStateRole && flags(index).testFlag(Qt::ItemIsUserCheckable)) {
        setChecked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    RowObject* object = row(index.row());
    const int entry = value.toInt();
    if (role != Qt::EditRole || !flags(index).testFlag(Qt::ItemIsEditable) || entry < 0 ||
        entry >= object->choices().size())
        return false;
    object->setChosenText(Cp949::fromUtf8(object->choices()[entry].toStdString()));
    changed(index.row());
    emit entryChosen(index.row(), entry);
    return true;
}

QVariant SongTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return ScreenText::fromCp949(columns_[static_cast<std::size_t>(section)].titleView());
}

Qt::ItemFlags SongTableModel::flags(const QModelIndex& index) const {
    if (record(index.row()) == nullptr)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (kindOf(index.column()) == col::kCheck)
        flags |= Qt::ItemIsUserCheckable;
    if (row(index.row())->dropDownColumn() == index.column())
        flags |= Qt::ItemIsEditable;
    return flags;
}

Song* SongTableModel::record(int at) const {
    const RowObject* object = row(at);
    return object != nullptr ? object->record() : nullptr;
}

bool SongTableModel::hasCell(const RowObject& row, int column) const {
    return row.record() != nullptr && column >= 0 && column < columnCount();
}

std::string_view SongTableModel::text(const RowObject& row, int column, std::string& scratch) const {
    if (!hasCell(row, column))
        return {};
    if (const std::string* chosen = row.chosenText(column))
        return *chosen;
    const int kind = kindOf(column);
    if (kind == col::kNumber)
        return scratch = std::to_string(row.number());
    const CellContext context{pageKind_, static_cast<int>(row.number() - 1), miniList_, row.shortSizes()};
    if (const std::optional<std::string_view> shown = CellFormatter::view(kind, *row.record(), context))
        return *shown;
    return scratch = CellFormatter::format(kind, *row.record(), context);
}

std::optional<RowCell> SongTableModel::cell(int at, int column) const {
    const RowObject* object = row(at);
    if (object == nullptr || !hasCell(*object, column))
        return std::nullopt;
    const int kind = kindOf(column);
    RowCell cell;
    std::string scratch;
    cell.text = text(*object, column, scratch);
    cell.check = kind == col::kCheck ? (object->selected ? 1 : 0) : RowCell::kNoCheck;
    cell.clickFlags = ClickTable::flagsFor(kind, column, *object->record(), pageKind_, miniList_);
    cell.dropDown = object->dropDownColumn() == column;
    return cell;
}

QString SongTableModel::cellText(int at, int column) const {
    const RowObject* object = row(at);
    std::string scratch;
    const std::string_view shown = object != nullptr ? text(*object, column, scratch) : std::string_view();
    return shown.empty() ? QString() : ScreenText::fromCp949(shown);
}

// ---- rows ----

int SongTableModel::insert(int at, std::unique_ptr<Song> owned) {
    if (!valid(at))
        at = rowCount();
    beginInsertRows({}, at, at);
    const auto place = rows_.emplace(rows_.begin() + at, std::move(owned));
    if (place->record() != nullptr)
        place->fill(at + 1, false);
    if (current_ >= at)
        ++current_;
    endInsertRows();
    return at;
}

void SongTableModel::append(std::span<Song* const> records) {
    beginResetModel();
    rows_.reserve(rows_.size() + records.size());
    for (Song* record : records) {
        RowObject& object = rows_.emplace_back(record);
        if (record != nullptr)
            object.fill(static_cast<std::int64_t>(rows_.size()), false);
    }
    endResetModel();
    emit checksChanged();
}

bool SongTableModel::remove(int at) {
    if (!valid(at))
        return false;
    beginRemoveRows({}, at, at);
    rows_.erase(rows_.begin() + at);
    current_ = current_ == at ? -1 : current_ > at ? current_ - 1 : current_;
    endRemoveRows();
    emit checksChanged();
    return true;
}

void SongTableModel::clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    current_ = -1;
    endResetModel();
    emit checksChanged();
}

void SongTableModel::refresh(int at) {
    RowObject* object = row(at);
    if (object == nullptr || object->record() == nullptr)
        return;
    object->fill(at + 1, true);
    changed(at);
}

void SongTableModel::changed(int at) {
    if (valid(at))
        rowsChanged(at, at);
}

void SongTableModel::rebind(std::span<Song* const> records) {
    const std::size_t count = std::min(rows_.size(), records.size());
    for (std::size_t i = 0; i < count; ++i)
        rows_[i].rebind(records[i]);
    if (count > 0)
        rowsChanged(0, static_cast<int>(count) - 1);
}

void SongTableModel::rowsChanged(int first, int last) {
    emit dataChanged(index(first, 0), index(last, std::max(columnCount() - 1, 0)));
}

// ---- ticks ----

bool SongTableModel::isChecked(int at) const {
    const RowObject* object = row(at);
    return object != nullptr && object->selected;
}

void SongTableModel::setChecked(int at, bool on) {
    RowObject* object = row(at);
    if (object == nullptr || object->selected == on)
        return;
    object->selected = on;
    rowsChanged(at, at);
    emit checksChanged();
}

void SongTableModel::setTicks(const std::function<bool(int row, bool was)>& tick) {
    int first = -1;
    int last = -1;
    for (int i = 0; i < rowCount(); ++i) {
        RowObject& object = rows_[static_cast<std::size_t>(i)];
        const bool on = tick(i, object.selected);
        if (object.selected == on)
            continue;
        object.selected = on;
        first = first < 0 ? i : first;
        last = i;
    }
    if (first >= 0)
        rowsChanged(first, last);
    emit checksChanged();
}

bool SongTableModel::allChecked() const {
    return !rows_.empty() &&
           std::all_of(rows_.begin(), rows_.end(), [](const RowObject& r) { return r.selected; });
}

int SongTableModel::checkedCount() const {
    return static_cast<int>(std::count_if(
        rows_.begin(), rows_.end(), [](const RowObject& r) { return r.record() != nullptr && r.selected; }));
}

std::vector<int> SongTableModel::checkedRows() const {
    std::vector<int> out;
    for (int i = 0; i < rowCount(); ++i)
        if (rows_[static_cast<std::size_t>(i)].selected)
            out.push_back(i);
    return out;
}

void SongTableModel::setCurrent(int at) {
    const int old = std::exchange(current_, valid(at) ? at : -1);
    changed(old);
    changed(current_);
}

// ---- order ----

std::vector<int> SongTableModel::sortBy(int column, SortRules::Mode mode, bool ascending) {
    // Texts a song holds as they are shown are compared in place; the others are made once, and
    // integer columns turn into numbers once, not per comparison.
    const bool byNumber = mode == SortRules::Mode::Integer;
    struct Key {
        int row;
        bool has;
        std::string_view text;
        int number;
    };
    std::vector<std::string> made(rows_.size());
    std::vector<Key> keys;
    keys.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Key key{static_cast<int>(i), hasCell(rows_[i], column), {}, 0};
        if (key.has && mode != SortRules::Mode::Equal)
            key.text = text(rows_[i], column, made[i]);
        if (key.has && byNumber)
            key.number = SortRules::leadingInt(key.text);
        keys.push_back(key);
    }
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (!a.has || !b.has)
            return !a.has && b.has;
        if (byNumber)
            return ascending ? a.number < b.number : b.number < a.number;
        const int order = SortRules::compareAs(mode, a.text, b.text);
        return ascending ? order < 0 : order > 0;
    });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& key : keys)
        order.push_back(key.row);
    reorder(order);
    return order;
}

void SongTableModel::reorder(const std::vector<int>& order) {
    if (order.size() != rows_.size())
        return;
    beginResetModel();
    std::vector<RowObject> moved;
    moved.reserve(rows_.size());
    int current = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        moved.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
        if (order[i] == current_)
            current = static_cast<int>(i);
    }
    rows_ = std::move(moved);
    current_ = current;
    endResetModel();
    emit checksChanged();
}

void SongTableModel::renumber() {
    // The number column and the mini list's song names show the row's number.
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i].setNumber(static_cast<std::int64_t>(i) + 1);
    if (!rows_.empty())
        rowsChanged(0, rowCount() - 1);
}

// ---- drags ----

std::unique_ptr<QMimeData> SongTableModel::beginDrag() const {
    if (!miniList_ && !DragFormats::dragStarts(pageKind_))
        return nullptr;
    std::vector<int> rows = checkedRows();
    std::vector<const Song*> records;
    for (int at : rows) {
        if (record(at) == nullptr)
            return nullptr;
        records.push_back(record(at));
    }
    // Rows of the mini list go only where its own format is taken: back into the mini list.
    const std::string_view format =
        miniList_ ? DragFormats::kMiniList : DragFormats::offeredBy(pageKind_, records);
    if (records.empty() || format.empty())
        return nullptr;
    const std::uint64_t serial = DragTable::keep(SongDragData::idOf(this), records);
    if (serial == 0)
        return nullptr;
    endDrag();
    drag_ = {serial, std::move(rows), -1};
    return SongDragData::make(format, serial);
}

void SongTableModel::endDrag() const {
    ProcessDragTable::forget(std::exchange(drag_.serial, 0));
}

bool SongTableModel::startedHere(const QMimeData& data) const {
    for (std::string_view format : DragFormats::kAll)
        if (const auto payload = SongDragData::payload(data, format);
            payload && payload->serial == drag_.serial)
            return dragging();
    return false;
}

} // namespace kesto
