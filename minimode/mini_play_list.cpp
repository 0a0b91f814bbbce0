#include "minimode/mini_play_list.h"

#include "columns/default_column_sets.h"
#include "commands/command_context.h"
#include "commands/command_settings.h"
#include "include/kesto/window_message.h"
#include "library/local_record_factory.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"
#include "minimode/mini_ids.h"
#include "minimode/mini_keys.h"
#include "minimode/mini_layout.h"
#include "minimode/mini_list_commands.h"
#include "minimode/mini_list_window.h"
#include "minimode/mini_now_playing.h"
#include "minimode/mini_play_line.h"
#include "minimode/mini_skin.h"
#include "minimode/mini_song_text.h"
#include "minimode/mini_texts.h"
#include "minimode/mini_totals.h"
#include "minimode/screen_fit.h"
#include "minimode/window_frame.h"
#include "module/module_state.h"
#include "module/panel_operations.h"
#include "pages/codec_setting.h"
#include "pages/play_next.h"
#include "platform/cp949.h"
#include "platform/failure_guard.h"
#include "platform/failure_log.h"
#include "platform/screen_text.h"
#include "protocol/lyrics_exchange.h"
#include "protocol/web_handoff.h"
#include "settings/rect_value.h"
#include "settings/registry_key.h"
#include "settings/registry_section.h"
#include "settings/settings_keys.h"
#include "songs/list_pages.h"
#include "songs/notice_texts.h"
#include "songs/panel_messages.h"
#include "songs/song_store.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace kesto {

namespace {

std::vector<KestoRect> screenRects() {
    std::vector<KestoRect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        rects.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    return rects;
}

struct ButtonLabel {
    int id;
    const char* text;
};

constexpr ButtonLabel kButtonLabels[] = {
    {mini::kAddButton, "추가"},  {mini::kDeleteButton, "삭제"}, {mini::kDownloadButton, "다운"},
    {mini::kGiftButton, "선물"}, {mini::kPutButton, "담기"},    {mini::kListenButton, "듣기"},
    {mini::kCloseButton, "×"},
};

QString labelOf(int id) {
    for (const ButtonLabel& label : kButtonLabels)
        if (label.id == id)
            return QString::fromUtf8(label.text);
    return QString::number(id);
}

// The popups of the buttons: command id and text.
struct PopupItem {
    int id;
    const char* text;
};

std::vector<PopupItem> popupItems(int controlId) {
    switch (controlId) {
    case mini::kAddButton:
        return {{mini::kLoadMyAlbum, "마이앨범"},
                {mini::kLoadPlayList, "플레이리스트"},
                {mini::kAddFolder, "폴더"},
                {mini::kAddFiles, "파일"}};
    case mini::kDeleteButton:
        return {{mini::kDeleteAll, "전체 삭제"}, {mini::kDeleteChecked, "선택한 곡 삭제"}};
    case mini::kPutButton:
        return {{mini::kPutMyAlbum, "마이앨범 담기"},
                {mini::kPutPlayList, "플레이리스트 담기"},
                {mini::kPutCart, "장바구니 담기"}};
    default:
        return {};
    }
}

} // namespace

MiniPlayList::MiniPlayList(ModuleState& module)
    : module_(module), settings_(std::make_unique<RegistryKey>()) {
    const StartupValues& startup = module.startup();
    protocol_.request = StartupValues::slotAs<KestoNetRequestFn>(startup.network, KESTO_NET_REQUEST);
    protocol_.login = &module.login();
    protocol_.port = module.port();
    protocol_.host = module.hostWindow();
    protocol_.box = module.messageBox();
    RegistrySection section(settings::kSectionBase);
    protocol_.codecMode = CodecSetting::read(section);
    factory_ = std::make_unique<LocalRecordFactory>(
        startup.tagService != 0
            ? StartupValues::slotAs<KestoSvcReadTagsFn>(startup.serviceB, KESTO_SVC_B_READ_TAGS)
            : nullptr);
    nowPlaying_ = std::make_unique<MiniNowPlaying>(module, *factory_, [this] { updateTotals(); });
}

ProtocolContext& MiniPlayList::protocol() {
    // The host window may have gone since: messages then go nowhere.
    protocol_.host = module_.hostWindow();
    return protocol_;
}

MiniPlayList::~MiniPlayList() {
    destroyWindow();
}

// ---- life of the window ----

bool MiniPlayList::createWindow(const KestoRect& rect) {
    if (window_ || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr ||
        protocol_.port == nullptr)
        return false;
    window_ = new MiniListWindow();
    window_->setHostWindow(static_cast<QWidget*>(module_.hostWindow()));
    window_->setMessageHandler(
        [this](unsigned m, std::intptr_t w, std::intptr_t l) { handleMessage(m, w, l); });
    list_ = new SongListView(*protocol_.port, window_.data(), *this, SongListView::MiniList, window_);
    list_->setObjectName(QStringLiteral("miniSongList"));
    // No frame: the columns fill the list exactly beside its scroll bar.
    list_->setFrameShape(QFrame::NoFrame);
    list_->setColumns(DefaultColumnSets::miniList(), kPageKind);
    nowPlaying_->setList(list_);
    createButtons();
    applySkin();
    window_->setLayoutHandler([this] { layOut(); });
    window_->setDropHandler([this](const std::vector<std::string>& paths) {
        FailureGuard::run(LogCategory::Panel, "mini list drop", [&] { nowPlaying_->addPaths(paths); });
    });
    window_->setHostNotifier(
        [this](unsigned message, std::intptr_t w, std::intptr_t l) { tellHost(message, w, l); });
    // Keys reach the commands as the buttons do.
    MiniKeys::install(*window_, [this](int commandId) {
        protocol_.port->post(window_.data(), msg::kWindowCommand, commandId, 0);
    });
    // The host's rectangle as it is; only one that no screen shows comes onto the nearest.
    const KestoRect placed = ScreenFit::keepVisible(rect, screenRects());
    window_->setGeometry(placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top);
    layOut();
    updateTotals();
    return true;
}

void MiniPlayList::createButtons() {
    for (const int id : {mini::kAddButton, mini::kDeleteButton, mini::kPutButton, mini::kGiftButton,
                         mini::kListenButton, mini::kDownloadButton, mini::kCloseButton})
        buttons_[id] = makeButton(id);
    auto* checkAll = new QCheckBox(window_);
    checkAll->setObjectName(QStringLiteral("button%1").arg(mini::kCheckAllButton));
    QObject::connect(checkAll, &QAbstractButton::clicked, window_.data(), [this] {
        protocol_.port->post(window_.data(), msg::kWindowCommand, mini::kCheckAllButton, 0);
    });
    checkAll_ = checkAll;
    buttons_[mini::kCheckAllButton] = checkAll;
}

QWidget* MiniPlayList::makeButton(int controlId) {
    const KestoHostTable skin = module_.startup().skin;
    const MiniBox box = *MiniLayout(MiniLayout::kMinWidth, MiniLayout::kMinHeight).button(controlId);
    const KestoRect rect{box.x, box.y, box.x + box.width, box.y + box.height};
    QWidget* button = nullptr;
    if (auto create = StartupValues::slotAs<KestoSkinCreateButtonFn>(skin, KESTO_SKIN_CREATE_BUTTON))
        button = static_cast<QWidget*>(create(window_.data(), controlId, controlId, &rect));
    if (button == nullptr)
        button = new QPushButton(labelOf(controlId), window_);
    else if (auto ready = StartupValues::slotAs<KestoSkinButtonReadyFn>(skin, KESTO_SKIN_BUTTON_READY))
        ready(button);
    button->setObjectName(QStringLiteral("button%1").arg(controlId));
    button->setToolTip(labelOf(controlId));
    if (auto* clickable = qobject_cast<QAbstractButton*>(button))
        QObject::connect(clickable, &QAbstractButton::clicked, window_.data(), [this, controlId] {
            protocol_.port->post(window_.data(), msg::kWindowCommand, controlId, 0);
        });
    return button;
}

void MiniPlayList::applySkin() {
    if (const auto colors = MiniSkin::apply(module_.startup().skin, window_.data()))
        window_->setColors(colors->first, colors->second);
}

void MiniPlayList::layOut() {
    if (!window_)
        return;
    const MiniLayout layout(window_->width(), window_->height());
    const MiniBox box = layout.list();
    list_->setGeometry(box.x, box.y, box.width, box.height);
    list_->header()->resizeSection(mini::kSongColumn, layout.songColumnWidth());
    for (const auto& [id, button] : buttons_)
        if (const auto place = layout.button(id))
            button->setGeometry(place->x, place->y, place->width, place->height);
}

void MiniPlayList::destroyWindow() {
    if (!window_)
        return;
    const QRect r = window_->geometry();
    if (settings_->create(std::string(settings::kRootPath) + settings::kMain))
        settings_->writeString(
            settings::kMiniListRectInfo,
            RectValue::format({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}));
    settings_->close();
    // The rows point into the panel's store, which may be gone already: they are dropped unread.
    // The list goes at once (it calls back into this object); the window once its events are done.
    list_->deleteAllRows();
    delete list_;
    window_->setMessageHandler(nullptr);
    window_->setLayoutHandler(nullptr);
    window_->setDropHandler(nullptr);
    window_->setHostNotifier(nullptr);
    window_->hide();
    window_->deleteLater();
    window_ = nullptr;
    list_ = nullptr;
    checkAll_ = nullptr;
    buttons_.clear();
    nowPlaying_->setList(nullptr);
    nowPlaying_->setStore(nullptr);
}

WindowHandle MiniPlayList::window() const {
    return window_.data();
}

int MiniPlayList::show(bool visible) {
    if (!window_)
        return 0;
    const int was = window_->isVisible() ? 1 : 0;
    window_->setVisible(visible);
    if (visible)
        window_->raise();
    // The host learns whether the list sits docked, to keep it under its main window.
    tellHost(KESTO_MSG_MINI_SHOWN, visible ? 1 : 0, window_->dockedNow() ? 1 : 0);
    return was;
}

void MiniPlayList::tellHost(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    module_.postToHost(message, wParam, lParam);
}

WindowHandle MiniPlayList::listWindow(KestoRect& screenRect) const {
    if (list_ == nullptr || !list_->isVisible())
        return nullptr;
    const QPoint topLeft = list_->mapToGlobal(QPoint(0, 0));
    screenRect = {topLeft.x(), topLeft.y(), topLeft.x() + list_->width(), topLeft.y() + list_->height()};
    return list_;
}

// ---- the now-playing store ----

void MiniPlayList::takeOverNowPlaying(SongStore* store) {
    nowPlaying_->setStore(store);
    nowPlaying_->refresh();
}

void MiniPlayList::updateTotals() {
    if (!window_)
        return;
    long long seconds = 0;
    int count = 0;
    if (SongStore* store = nowPlaying_->store())
        store->forEach([&](int, Song& record) {
            seconds += record.Play_Time;
            ++count;
        });
    window_->setTotalLine(QString::fromStdString(MiniTotals::text(count, seconds)));
}

int MiniPlayList::currentIndex() const {
    return nowPlaying_->store() != nullptr ? nowPlaying_->store()->current() : -1;
}

void MiniPlayList::clearList() {
    if (list_ != nullptr)
        list_->deleteAllRows();
    nowPlaying_->setStore(nullptr);
    updateTotals();
}

void MiniPlayList::clearCurrentMark() {
    if (list_ != nullptr)
        list_->setCurrentRow(-1);
}

void MiniPlayList::checkChanged(int row, bool checked) {
    SongStore* store = nowPlaying_->store();
    if (Song* record = store != nullptr ? store->get(row) : nullptr)
        record->Marked = checked ? 1 : 0;
}

void MiniPlayList::allCheckedChanged(bool allChecked) {
    if (checkAll_ != nullptr)
        checkAll_->setChecked(allChecked && list_ != nullptr && list_->rowCount() > 0);
}

void MiniPlayList::rowsSorted() {
    nowPlaying_->followRows();
}

void MiniPlayList::rowsMoved() {
    nowPlaying_->followRows();
}

int MiniPlayList::dropPageKind() const {
    const PanelOperations* panel = module_.panel();
    return panel != nullptr ? panel->pageKind() : 0;
}

void MiniPlayList::songsDropped(const std::vector<Song>& songs) {
    nowPlaying_->insertSongs(list_ != nullptr ? list_->dropRow() : -1, songs);
}

void MiniPlayList::filesDropped(const std::vector<std::string>& paths) {
    nowPlaying_->addPaths(paths);
}

// ---- playing ----

NextSongResult MiniPlayList::nextSong(const NextSongRequest& request) {
    SongStore* store = nowPlaying_->store();
    if (store == nullptr)
        return {};
    PanelOperations* panel = module_.panel();
    NextSongResult result =
        PlayNext::run(*store, protocol(), request, panel != nullptr ? panel->albumDb() : nullptr);
    if (panel != nullptr)
        panel->keepPlayedText(result.storedText);
    if (list_ != nullptr)
        list_->setCurrentRow(result.position);
    const Song* played = store->get(result.position);
    if (played != nullptr && module_.songText() != nullptr && !result.refused)
        followInSongText(*played);
    return result;
}

void MiniPlayList::listen() {
    if (list_ == nullptr || list_->rowCount() == 0)
        return say(mini::text::kNothingToPlay);
    if (MiniListCommands::checked(*list_).empty()) {
        list_->checkAll();
        if (nowPlaying_->store() != nullptr)
            nowPlaying_->store()->markAll(1);
    }
    for (int row = 0; row < list_->rowCount(); ++row)
        if (list_->isChecked(row))
            return playFrom(row);
}

void MiniPlayList::playFrom(int position) {
    module_.postToHost(KESTO_MSG_PLAY_NOW_PLAYING, position, 1);
}

void MiniPlayList::playFiles(const std::vector<std::string>& paths) {
    const int first = nowPlaying_->store() != nullptr ? nowPlaying_->store()->count() : 0;
    if (nowPlaying_->addFiles(paths) > 0)
        playFrom(first);
}

void MiniPlayList::importPath(std::string_view path) {
    if (!path.empty())
        nowPlaying_->addPaths({std::string(path)});
}

void MiniPlayList::addItems(int kind, std::string_view) {
    // The file and folder dialogs; other kinds fetch server lists, which the mini list does not show.
    constexpr int kFilesKind = 0;
    constexpr int kFolderKind = 1;
    if (kind == kFilesKind)
        command(mini::kAddFiles);
    else if (kind == kFolderKind)
        command(mini::kAddFolder);
}

void MiniPlayList::showSongInfo(std::string_view text) {
    if (window_)
        window_->setSongInfo(ScreenText::fromCp949(text));
}

void MiniPlayList::takeText(std::string_view text) {
    if (window_)
        window_->setStatusText(ScreenText::fromCp949(text));
}

void MiniPlayList::setValues(int state, int position, int length, int volume) {
    if (window_)
        window_->setPlayLine(MiniPlayLine(state, position, length, volume));
}

void MiniPlayList::reload() {
    if (!window_)
        return;
    applySkin();
    nowPlaying_->refresh();
}

// ---- lyrics ----

void MiniPlayList::showLyrics(int row) {
    const Song* record = list_ != nullptr ? list_->record(row) : nullptr;
    if (record == nullptr)
        return;
    const Song song = *record;
    openSongText();
    if (song.isLocal() && song.Has_Lyrics == 0)
        return say(notice::kNoLyrics, mb::kStopOk);
    followInSongText(song);
}

void MiniPlayList::openSongText() {
    if (module_.songText() != nullptr)
        return;
    const KestoRect rect = MiniSongText::placement();
    if (auto open = StartupValues::slotAs<KestoSvcOpenSongTextFn>(module_.startup().serviceA,
                                                                  KESTO_SVC_A_OPEN_SONG_TEXT))
        open(&rect);
    SongTextOperations* text = module_.songText();
    if (text == nullptr)
        return FailureLog::write(LogCategory::Panel, "lyrics not shown: the host made no song-text window");
    text->moveTo(rect);
}

void MiniPlayList::followInSongText(const Song& song) {
    SongTextOperations* text = module_.songText();
    if (text == nullptr)
        return;
    const CommandSettings options(settings_.get());
    LyricsHooks hooks;
    hooks.showPage = [text](const std::string& address, const std::string& body, int) {
        text->post(address, body);
    };
    LyricsExchange(protocol(), std::move(hooks))
        .show(song, {options.installPath(), options.downloadLyric()}, false);
}

// ---- messages and commands ----

void MiniPlayList::handleMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case msg::kWindowCommand:
        return command(static_cast<int>(wParam));
    case msg::kMiniPlayRow:
        return playFrom(static_cast<int>(lParam));
    case msg::kMiniLyrics:
        return showLyrics(static_cast<int>(wParam));
    case msg::kMiniIconClick:
    case msg::kMiniPhoneDeco:
        return songIconClicked(static_cast<int>(wParam), message == msg::kMiniPhoneDeco);
    case msg::kToListControl:
        // A ticked box: the list draws its ticks and totals anew.
        return list_ != nullptr ? list_->viewport()->update() : void();
    case msg::kMoveRows:
        // Rows dragged within the list; the list tells back when they moved.
        return list_ != nullptr ? list_->moveDraggedRows() : void();
    default:
        return;
    }
}

void MiniPlayList::command(int id) {
    if (list_ == nullptr)
        return;
    switch (id) {
    case mini::kAddButton:
    case mini::kDeleteButton:
    case mini::kPutButton:
        return openPopup(id);
    case mini::kListenButton:
        return listen();
    case mini::kCloseButton:
        return close();
    case mini::kCheckAllButton:
        return toggleAll();
    case mini::kSortByName:
        return list_->sortByColumn(mini::kSongColumn);
    case mini::kSortByTime:
        return list_->sortByColumn(mini::kTimeColumn);
    default:
        break;
    }
    MiniCommandParts parts;
    parts.list = list_;
    parts.store = nowPlaying_->store();
    parts.context = commandContext();
    parts.refresh = [this] { nowPlaying_->changed(); };
    parts.addFiles = [this](const std::vector<std::string>& paths) { return nowPlaying_->addFiles(paths); };
    MiniListCommands(std::move(parts)).run(id);
}

CommandContext MiniPlayList::commandContext() {
    CommandContext context;
    context.protocol = protocol();
    context.nowPlaying = nowPlaying_->store();
    context.pageKind = kPageKind;
    context.menuId = menu::kNowPlaying;
    context.settings = settings_.get();
    context.serviceA = module_.startup().serviceA;
    return context;
}

void MiniPlayList::openPopup(int controlId) {
    const auto offset = MiniLayout::popupOffset(controlId);
    if (!offset)
        return;
    QMenu menu(window_);
    for (const PopupItem& item : popupItems(controlId))
        menu.addAction(QString::fromUtf8(item.text))->setData(item.id);
    const QRect frame = window_->geometry();
    const QPoint at(frame.left() + offset->fromLeft, frame.top() + frame.height() - offset->aboveBottom);
    if (const QAction* chosen = menu.exec(at))
        command(chosen->data().toInt());
}

void MiniPlayList::close() {
    window_->hide();
    settings_->writeSectionString(settings::kPlayerPanel, settings::kFlagClear, settings::kNowPlay);
    module_.postToHost(KESTO_MSG_MINI_LIST_CLOSED, 0, 0);
}

void MiniPlayList::toggleAll() {
    const bool check = MiniListCommands::checked(*list_).size() < static_cast<std::size_t>(list_->rowCount());
    if (check)
        list_->checkAll();
    else
        list_->uncheckAll();
    if (nowPlaying_->store() != nullptr)
        nowPlaying_->store()->markAll(check ? 1 : 0);
    allCheckedChanged(check);
}

MessageBox* MiniPlayList::messageBox() {
    return protocol_.box;
}

WindowHandle MiniPlayList::hostSideWindow() const {
    return module_.hostWindow();
}

void MiniPlayList::say(const char* textUtf8, int style) const {
    if (protocol_.box != nullptr)
        protocol_.box->show(Cp949::fromUtf8(textUtf8), kMessageBoxCaption, style);
}

void MiniPlayList::songIconClicked(int row, bool phoneDecoration) {
    const Song* song = list_ != nullptr ? list_->record(row) : nullptr;
    if (song == nullptr || song->isLocal())
        return;
    const WebHandoff web(protocol());
    if (phoneDecoration)
        web.phoneDeco(*song, song->Phone_Deco);
    else
        web.songInformation(song);
}

int MiniPlayList::skinType() const {
    const int skin = module_.hostValue(0);
    return skin != 0 ? skin : 1;
}

} // namespace kesto
