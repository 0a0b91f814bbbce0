#include "listview/song_list_view.h"

#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/list_colors.h"
#include "columns/page_rules.h"
#include "listview/cell_delegate.h"
#include "listview/skin_scroll_bar.h"
#include "listview/song_list_header.h"
#include "listview/song_table_model.h"
#include "songs/panel_messages.h"

#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace kesto {

SongListView::SongListView(MessagePort& port, WindowHandle target, int flags, QWidget* parent)
    : QTableView(parent), port_(port), target_(target), flags_(flags),
      model_(new SongTableModel((flags & MiniList) != 0, this)), header_(new SongListHeader(this)) {
    QFont font;
    font.setFamilies({QString::fromUtf8("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    setFont(font);
    header_->setFont(font);
    setModel(model_);
    setItemDelegate(new CellDelegate(*model_, this));
    setHorizontalHeader(header_);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(SelectRows);
    setSelectionMode(MultiSelection);
    setEditTriggers(NoEditTriggers);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollBar(new SkinScrollBar(Qt::Vertical, isMiniList(), this));
    setHorizontalScrollBar(new SkinScrollBar(Qt::Horizontal, isMiniList(), this));
    viewport()->setMouseTracking(true);
    header_->setVisible(!isMiniList()); // the mini window draws its own headings
    setAccessibleName(QString::fromUtf8("곡 목록"));
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(header_, &QHeaderView::sectionClicked, this, &SongListView::headerClicked);
    connect(header_, &SongListHeader::menuRequested, this, [this](int column, const QPoint& pos) {
        if (isPlainList())
            return;
        std::unique_ptr<QMenu> menu(createHeaderMenu(column));
        menu->exec(pos);
    });
    connect(model_, &SongTableModel::checksChanged, this, &SongListView::followChecks);
    connect(model_, &SongTableModel::entryChosen, this,
            [this](int row, int entry) { port_.send(target_, msg::kDropDownCell, row, entry); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &SongListView::selectionTicks);
}

SongListView::~SongListView() {
    saveColumns();
}

void SongListView::updateLook() {
    const QColor base = palette().color(QPalette::Text);
    const int skin = answers_.skinType ? answers_.skinType() : 0;
    model_->setLook(
        ListColors::forSkin(skin == 0 ? 1 : skin, isMiniList(), rgb(base.red(), base.green(), base.blue())),
        !answers_.currentMarking || answers_.currentMarking());
}

void SongListView::paintEvent(QPaintEvent* event) {
    updateLook();
    QPainter(viewport()).fillRect(event->rect(), Qt::white);
    QTableView::paintEvent(event);
    const int focused = focusedRow();
    if (!hasFocus() || focused < 0)
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(isMiniList() ? QColor(255, 255, 255) : QColor(0, 0, 0), 1, Qt::DotLine));
    painter.drawRect(
        QRect(0, rowViewportPosition(focused), viewport()->width(), kRowHeight).adjusted(0, 0, -1, -1));
}

// ---- columns ----

void SongListView::applyPageKind(int pageKind) {
    saveColumns();
    deleteAllRows();
    bool usedDefault = true;
    std::vector<ColumnInfo> set = store_ != nullptr ? store_->load(pageKind, rankSuppressed_, &usedDefault)
                                                    : DefaultColumnSets::forPageKind(pageKind);
    if (usedDefault && PageRules::albumStartsHidden(pageKind))
        for (ColumnInfo& info : set)
            if (info.kind == col::kAlbum)
                info.hidden = 1;
    setColumns(set, pageKind);
}

void SongListView::setColumns(std::span<const ColumnInfo> columns, int pageKind) {
    model_->setColumns(columns, pageKind);
    appliedPageKind_ = pageKind;
    header_->startOver(columnCount());
    const bool images = PageRules::hasHeaderImages(pageKind) || isMiniList();
    for (int i = 0; i < columnCount(); ++i) {
        const ColumnInfo& info = model_->columnSet()[static_cast<std::size_t>(i)];
        header_->resizeSection(i, info.width);
        header_->setSectionHidden(i, info.hidden != 0 ||
                                         (rankSuppressed_ && SongListHeader::isRankTitle(header_->title(i))));
        if (images && info.kind == col::kCheck)
            header_->setImage(i, SongListHeader::Unchecked);
    }
    // Stored display order: place each column at its display index.
    for (int visual = 0; visual < columnCount(); ++visual)
        for (int i = 0; i < columnCount(); ++i)
            if (model_->columnSet()[static_cast<std::size_t>(i)].displayIndex == visual)
                header_->moveSection(header_->visualIndex(i), visual);
}

std::vector<ColumnInfo> SongListView::columns() const {
    std::vector<ColumnInfo> out = model_->columnSet();
    for (int i = 0; i < columnCount(); ++i) {
        ColumnInfo& info = out[static_cast<std::size_t>(i)];
        info.displayIndex = static_cast<std::uint16_t>(header_->visualIndex(i));
        info.hidden = header_->isSectionHidden(i) ? 1 : 0;
        if (!header_->isSectionHidden(i))
            info.width = static_cast<std::int16_t>(header_->sectionSize(i));
    }
    return out;
}

void SongListView::saveColumns() {
    if (store_ != nullptr && appliedPageKind_ > 0 && columnCount() > 0)
        store_->saveSet(appliedPageKind_, columns(), rankSuppressed_);
}

// ---- rows ----

void SongListView::appendRows(std::span<Song* const> records) {
    const int focused = focusedRow();
    model_->append(records); // a reset: the focus is put back where it was
    setFocusedRow(focused);
}

bool SongListView::deleteRow(int row) {
    followingChecks_ = true; // the row's selection goes with it, its tick needs no telling
    const bool removed = model_->remove(row);
    followingChecks_ = false;
    return removed;
}

void SongListView::deleteAllRows() {
    anchorRow_ = -1;
    // Show page clears the list before its fetch and again as it fills it.
    if (rowCount() > 0)
        model_->clear();
}

void SongListView::setDropDown(int row, int column, const QStringList& entries) {
    RowObject* object = model_->row(row);
    if (object == nullptr || object->record() == nullptr || column < 0 || column >= columnCount())
        return;
    object->setDropDown(column, entries);
    model_->changed(row);
}

QRect SongListView::cellRect(int row, int column) const {
    if (!model_->valid(row) || column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return {};
    return visualRect(model_->index(row, column));
}

} // namespace kesto
