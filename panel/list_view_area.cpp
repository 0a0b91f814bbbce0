#include "panel/list_view_area.h"
#include "songs/list_pages.h"

#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/page_rules.h"
#include "columns/registry_column_settings.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"
#include "pages/page_state.h"
#include "pages/song_drops.h"
#include "panel/link_label.h"
#include "panel/list_owner_actions.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "songs/song_store.h"
#include "webview/html_area.h"
#include "webview/html_area_factory.h"

#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace kesto {

namespace {

enum ViewMode {
    kHtmlOnly = 1,
    kListAndHtml = 2,
    kSplit = 3,
    kListOnly = 4,
    kSplitAt = 5,
    kSplitAtSecond = 6
};

constexpr int kRowsPerPage = 50;
constexpr int kRowsPerCartPage = 20;
// The first row number a page may start from, past which numbers are not counted.
constexpr std::int64_t kLastRowNumber = std::numeric_limits<std::int32_t>::max();

// The list takes this share of the height when both show without a stored splitter.
constexpr int kListShareNumerator = 2;
constexpr int kListShareDenominator = 3;

} // namespace

ListViewArea::ListViewArea(PageState& state, MessagePort& port, WindowHandle panelWindow, MessageBox* box,
                           QWidget* parent)
    : QWidget(parent), state_(state), box_(box), key_(std::make_unique<RegistryKey>()),
      columnSettings_(std::make_unique<RegistryColumnSettings>(*key_)),
      columnStore_(std::make_unique<ColumnSetStore>(*columnSettings_)), label_(new LinkLabel(this)),
      splitter_(new QSplitter(Qt::Vertical, this)),
      list_(new SongListView(port, panelWindow, SongListView::NoFlags, splitter_)),
      html_(HtmlAreaFactory::create(splitter_)) {
    setObjectName(QStringLiteral("listView"));
    list_->setObjectName(QStringLiteral("songList"));
    html_->widget()->setObjectName(QStringLiteral("htmlArea"));
    list_->setColumnStore(columnStore_.get());
    list_->setMessageBox(box_);
    list_->setAnswers({[this] { return skinType(); },
                       [this] { return currentMarking(); },
                       [this](int commandId) { return commandEnabled(commandId); },
                       {}});
    connect(list_, &SongListView::checkChanged, this, &ListViewArea::checkChanged);
    connect(list_, &SongListView::rowsSorted, this, &ListViewArea::rowsSorted);
    connect(list_, &SongListView::rowsMoved, this, &ListViewArea::rowsMoved);
    connect(list_, &SongListView::putInto, this, &ListViewArea::putInto);
    connect(list_, &SongListView::loadList, this, &ListViewArea::loadList);
    connect(list_, &SongListView::clearNowPlaying, this, &ListViewArea::clearNowPlaying);
    connect(list_, &SongListView::songsDropped, this, &ListViewArea::songsDropped);
    connect(list_, &SongListView::forwardCommand, this, &ListViewArea::forwardCommand);
    connect(list_, &SongListView::filesDropped, this, &ListViewArea::filesDropped);
    splitter_->addWidget(list_);
    splitter_->addWidget(html_->widget());
    // Where the user puts the splitter is where the next split page puts it.
    connect(splitter_, &QSplitter::splitterMoved, this, [this](int top, int) {
        key_->writeRootString(std::to_string(top), settings::kSpliterTop);
        key_->writeRootString(std::to_string(std::max(splitter_->height() - top, 0)),
                              settings::kSpliterHeight);
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(splitter_);
    // Only a page in a view mode that shows the web area fills the label.
    html_->setTitleLinkHandler([this](const std::optional<TitleLink>& last) {
        const bool webShown = viewMode_ == kHtmlOnly || viewMode_ == kListAndHtml || viewMode_ == kSplit;
        if (!last && !pageTitle_.empty())
            return label_->showLink(TitleLink{pageTitle_, {}});
        label_->showLink(webShown ? last : std::nullopt);
    });
    arrange(kListOnly);
}

ListViewArea::~ListViewArea() {
    dropRows();
    // The control saves its columns as it goes, through the column store this object owns.
    delete splitter_;
}

void ListViewArea::setViewMode(int viewMode) {
    hasAddress_ = false;
    arrange(viewMode);
}

void ListViewArea::dropRows() {
    tracks_.clear();
    list_->deleteAllRows();
}

void ListViewArea::showList(SongStore& store, const ListHandOver& handOver) {
    // A chart whose last rank reads "NO" shows no ranks; its columns are installed again.
    const bool chart =
        handOver.pageKind >= page_kind::kFirstChart && handOver.pageKind <= page_kind::kLastChart;
    const bool suppress = chart && handOver.header.noRank == 1;
    const bool reinstall = handOver.pageKind != installedKind_ || suppress != rankSuppressed_;
    if (reinstall && suppress != rankSuppressed_)
        list_->saveColumns(); // under the flag the columns were shown with
    rankSuppressed_ = suppress;
    list_->setRankSuppressed(suppress);
    // Installing a column set saves the one it replaces to the settings: only on a change.
    if (reinstall)
        list_->applyPageKind(handOver.pageKind);
    else
        list_->deleteAllRows();
    installedKind_ = handOver.pageKind;
    const int perPage = handOver.pageKind == page_kind::kCart ? kRowsPerCartPage : kRowsPerPage;
    // One whole album counts its tracks from 1, whatever list page its reply names.
    // The page index is the server's: its product is 64-bit and no row number passes the top.
    const std::int64_t firstNumber = std::int64_t{std::max(handOver.header.pageIndex, 0)} * perPage;
    numberBase_ = state_.albumPage ? 0 : std::min(firstNumber, kLastRowNumber);
    std::vector<Song*> records;
    records.reserve(static_cast<std::size_t>(store.count()));
    store.forEach([&records](int, Song& record) { records.push_back(&record); });
    list_->appendRows(records);
    numberRows();
    tracks_.clear();
    if (state_.albumPage)
        for (std::size_t i = 0; i < records.size(); ++i)
            tracks_[records[i]] = static_cast<int>(i) + 1;
    if (handOver.pageKind == page_kind::kFolder)
        sortNewestFirst();
    hasAddress_ = !handOver.webAddress.empty();
    pageTitle_.clear();
    // Each page shows its own title and links, or none: nothing stays from the page before.
    if (hasAddress_) {
        html_->navigate(handOver.webAddress);
    } else {
        pageTitle_ = handOver.title;
        label_->showLink(pageTitle_.empty() ? std::nullopt
                                            : std::optional<TitleLink>(TitleLink{pageTitle_, {}}));
        if (!html_->showsBlank())
            html_->navigate(HtmlArea::kBlankPage);
    }
    arrange(handOver.viewMode);
}

void ListViewArea::showWebPage(const std::string& address, const std::string& title) {
    hasAddress_ = true;
    pageTitle_ = title;
    label_->showLink(TitleLink{title, {}});
    html_->navigate(address);
    arrange(kHtmlOnly);
}

void ListViewArea::showCurrent(int row) {
    if (row < 0 || row >= list_->rowCount())
        return;
    list_->setCurrentRow(row);
    list_->verticalScrollBar()->setValue(row * SongListView::kRowHeight);
}

int ListViewArea::pageKind() const {
    return state_.pageKind;
}

void ListViewArea::setHostWindow(WindowHandle host) {
    list_->setHostSideWindow(host);
}

int ListViewArea::skinType() const {
    return actions_ != nullptr ? actions_->skinType() : 1;
}

bool ListViewArea::currentMarking() const {
    return actions_ == nullptr || actions_->currentMarking();
}

void ListViewArea::checkChanged(int row, bool checked) {
    if (actions_ != nullptr)
        actions_->checkChanged(row, checked);
}

void ListViewArea::rowsSorted() {
    // An album's numbers are its track numbers: they stay with their songs.
    if (state_.albumPage)
        numberTracks();
    else if (PageRules::renumbersAfterSort(state_.pageKind, rankSuppressed_))
        numberRows();
    if (actions_ != nullptr)
        actions_->rowsSorted();
}

bool ListViewArea::commandEnabled(int commandId) const {
    return actions_ == nullptr || actions_->commandEnabled(commandId);
}

void ListViewArea::forwardCommand(int commandId) {
    if (actions_ != nullptr)
        actions_->clipboard(commandId);
}

void ListViewArea::putInto(int commandId, const std::vector<Song*>& records) {
    if (actions_ != nullptr)
        actions_->putInto(commandId, records);
}

void ListViewArea::loadList(int which) {
    if (actions_ != nullptr)
        actions_->loadList(which);
}

void ListViewArea::clearNowPlaying() {
    if (actions_ != nullptr)
        actions_->clearNowPlaying();
}

void ListViewArea::sortNewestFirst() {
    for (int column = 0; column < list_->columnCount(); ++column)
        if (list_->columnKind(column) == col::kModifiedTime) {
            // A sort turns the header's direction over: from ascending it sorts descending.
            list_->header()->setSortState(column, true);
            list_->sortByColumn(column);
            return;
        }
}

void ListViewArea::numberRows() {
    if (numberBase_ == 0)
        return; // the control numbers from 1 already
    for (int column = 0; column < list_->columnCount(); ++column) {
        if (list_->columnKind(column) != col::kNumber)
            continue;
        for (int row = 0; row < list_->rowCount(); ++row)
            if (RowObject* object = list_->rowObject(row))
                object->setNumber(numberBase_ + row + std::int64_t{1});
    }
    list_->viewport()->update();
}

void ListViewArea::numberTracks() {
    for (int column = 0; column < list_->columnCount(); ++column) {
        if (list_->columnKind(column) != col::kNumber)
            continue;
        for (int row = 0; row < list_->rowCount(); ++row) {
            RowObject* object = list_->rowObject(row);
            const auto track = tracks_.find(list_->record(row));
            if (object != nullptr && track != tracks_.end())
                object->setNumber(track->second);
        }
    }
    list_->viewport()->update();
}

void ListViewArea::saveColumns() {
    list_->saveColumns();
}

void ListViewArea::songsDropped(const DropDecision& decision, const std::vector<Song>& songs) {
    if (drops_ != nullptr)
        drops_->songs(decision.action, songs);
}

void ListViewArea::filesDropped(const std::vector<std::string>& paths) {
    if (drops_ != nullptr)
        drops_->files(paths);
}

void ListViewArea::followRows() {
    if (drops_ == nullptr)
        return;
    std::vector<Song*> shown;
    shown.reserve(static_cast<std::size_t>(list_->rowCount()));
    for (int row = 0; row < list_->rowCount(); ++row)
        shown.push_back(list_->record(row));
    const std::vector<Song*> records = drops_->rowsReordered(shown);
    if (!records.empty())
        list_->rebindRows(records);
}

void ListViewArea::arrange(int viewMode) {
    viewMode_ = viewMode;
    const bool listShown = viewMode != kHtmlOnly;
    // Mode 2 shows the web page only when the list came with one.
    const bool htmlShown = viewMode == kHtmlOnly || viewMode == kSplit || viewMode == kSplitAt ||
                           viewMode == kSplitAtSecond || (viewMode == kListAndHtml && hasAddress_);
    list_->setVisible(listShown);
    html_->widget()->setVisible(htmlShown);
    if (!listShown || !htmlShown)
        return;
    const int total = std::max(height(), 1);
    int htmlHeight = total - total * kListShareNumerator / kListShareDenominator;
    if (viewMode == kSplitAt || viewMode == kSplitAtSecond) {
        const int top = settingValue(settings::kSpliterTop, 0);
        htmlHeight =
            top > 0 ? total - top : settingValue(settings::kSpliterHeight, settings::kDefaultSpliterHeight);
    }
    splitter_->setSizes({std::max(total - htmlHeight, 0), std::max(htmlHeight, 0)});
}

int ListViewArea::settingValue(const char* name, int fallback) const {
    std::string text;
    key_->readRootString(text, name);
    int value = fallback;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && value > 0 ? value : fallback;
}

} // namespace kesto
