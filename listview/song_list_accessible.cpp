#include "listview/song_list_accessible.h"

#include "listview/song_list_cell_accessible.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"

#include <QAccessibleTableModelChangeEvent>

namespace kesto {

namespace {

int attachedLists = 0;

QString tableName() {
    return QString::fromUtf8("곡 목록");
}

quint64 keyOf(int row, int column) {
    return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(column);
}

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("kesto::SongListView") && object != nullptr && object->isWidgetType())
        return new SongListAccessible(static_cast<SongListView*>(object));
    return nullptr;
}

SongListAccessible* tableOf(SongListView* list) {
    if (list == nullptr || !QAccessible::isActive())
        return nullptr;
    return static_cast<SongListAccessible*>(QAccessible::queryAccessibleInterface(list));
}

} // namespace

SongListAccessible::SongListAccessible(SongListView* list) : QAccessibleWidget(list, QAccessible::Table) {}

SongListAccessible::~SongListAccessible() {
    dropCells(0);
}

void SongListAccessible::attach() {
    if (attachedLists++ == 0)
        QAccessible::installFactory(&makeInterface);
}

void SongListAccessible::detach() {
    if (--attachedLists == 0)
        QAccessible::removeFactory(&makeInterface);
}

void SongListAccessible::focusMoved(SongListView* list, int row) {
    SongListAccessible* table = tableOf(list);
    if (table == nullptr || !list->hasFocus())
        return;
    if (QAccessibleInterface* cell = table->cellAt(row, table->focusColumnOf())) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void SongListAccessible::rowsChanged(SongListView* list) {
    if (tableOf(list) == nullptr)
        return;
    QAccessibleTableModelChangeEvent event(list, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void SongListAccessible::checkChanged(SongListView* list, int row) {
    SongListAccessible* table = tableOf(list);
    if (table == nullptr)
        return;
    const int column = table->visibleColumn(list->checkColumn());
    QAccessibleInterface* cell = table->cellAt(row, column >= 0 ? column : table->focusColumnOf());
    if (cell == nullptr)
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

SongListView* SongListAccessible::list() const {
    return static_cast<SongListView*>(widget());
}

QString SongListAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? tableName() : name;
    }
    return QAccessibleWidget::text(t);
}

int SongListAccessible::columnCount() const {
    const SongListHeader* header = list()->header();
    int count = 0;
    for (int i = 0; i < header->count(); ++i)
        if (!header->isSectionHidden(i))
            ++count;
    return count;
}

int SongListAccessible::rowCount() const {
    return list()->rowCount();
}

int SongListAccessible::logicalColumn(int column) const {
    const SongListHeader* header = list()->header();
    int seen = 0;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical < 0 || header->isSectionHidden(logical))
            continue;
        if (seen++ == column)
            return logical;
    }
    return -1;
}

int SongListAccessible::visibleColumn(int logical) const {
    for (int column = 0; column < columnCount(); ++column)
        if (logicalColumn(column) == logical)
            return column;
    return -1;
}

int SongListAccessible::focusColumnOf() const {
    const int title = visibleColumn(list()->titleColumn());
    return title >= 0 ? title : 0;
}

int SongListAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* SongListAccessible::cellAt(int row, int column) const {
    const int logical = logicalColumn(column);
    if (row < 0 || row >= rowCount() || logical < 0)
        return nullptr;
    const quint64 key = keyOf(row, logical);
    if (const auto found = cells_.constFind(key); found != cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new SongListCellAccessible(list(), row, logical);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* SongListAccessible::child(int index) const {
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int SongListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const SongListCellAccessible*>(child);
    if (cell == nullptr || !cell->isValid())
        return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* SongListAccessible::childAt(int x, int y) const {
    const QPoint pos = list()->viewport()->mapFromGlobal(QPoint(x, y));
    const int row = list()->rowAt(pos.y());
    const int column = visibleColumn(list()->columnAt(pos.x()));
    return row >= 0 && column >= 0 ? cellAt(row, column) : nullptr;
}

QAccessibleInterface* SongListAccessible::focusChild() const {
    if (!list()->hasFocus() || list()->focusedRow() < 0)
        return nullptr;
    return cellAt(list()->focusedRow(), focusColumnOf());
}

void* SongListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int SongListAccessible::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> SongListAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int row : selectedRows())
        for (int column = 0; column < columnCount(); ++column)
            cells.append(cellAt(row, column));
    return cells;
}

QString SongListAccessible::columnDescription(int column) const {
    const int logical = logicalColumn(column);
    return logical >= 0 ? list()->header()->title(logical) : QString();
}

QString SongListAccessible::rowDescription(int row) const {
    const int title = list()->titleColumn();
    return title >= 0 ? list()->cellText(row, title) : QString();
}

int SongListAccessible::selectedRowCount() const {
    return static_cast<int>(list()->selectedRows().size());
}

QList<int> SongListAccessible::selectedRows() const {
    const std::vector<int> rows = list()->selectedRows();
    return QList<int>(rows.begin(), rows.end());
}

bool SongListAccessible::isRowSelected(int row) const {
    return list()->isChecked(row);
}

bool SongListAccessible::selectRow(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    if (!list()->isChecked(row))
        list()->toggleRow(row);
    return true;
}

bool SongListAccessible::unselectRow(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    if (list()->isChecked(row))
        list()->toggleRow(row);
    return true;
}

void SongListAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    dropCells(rowCount());
}

void SongListAccessible::dropCells(int fromRow) {
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (static_cast<int>(it.key() >> 32) >= fromRow) {
            QAccessible::deleteAccessibleInterface(*it);
            it = cells_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace kesto
