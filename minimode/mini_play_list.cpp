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
#include "minimode/mini_list_owner.h"
#include "minimode/mini_list_window.h"
#include "minimode/mini_message_table.h"
#include "minimode/mini_now_playing.h"
#include "minimode/mini_play_line.h"
#include "minimode/mini_skin.h"
#include "minimode/mini_song_pages.h"
#include "minimode/mini_texts.h"
#include "minimode/mini_totals.h"
#include "minimode/screen_fit.h"
#include "minimode/window_frame.h"
#include "module/module_state.h"
#include "module/now_playing_operations.h"
#include "module/panel_operations.h"
#include "pages/codec_setting.h"
#include "pages/play_next.h"
#include "platform/cp949.h"
#include "platform/failure_guard.h"
#include "platform/screen_text.h"
#include "settings/rect_value.h"
#include "settings/registry_key.h"
#include "settings/registry_section.h"
#include "settings/settings_keys.h"
#include "songs/list_pages.h"
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
    owner_ = std::make_unique<MiniListOwner>(
        MiniOwnerParts{&module_, nowPlaying_.get(), protocol_.box, [this] { return list_; },
                       [this] { return checkAll_; }, [this](int commandId) { command(commandId); }});
    pages_ = std::make_unique<MiniSongPages>(
        MiniSongPageParts{&module_, settings_.get(), [this]() -> ProtocolContext& { return protocol(); },
                          [this] { return list_; }});
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
    list_ = new SongListView(*protocol_.port, window_.data(), SongListView::MiniList, window_);
    owner_->attach(*list_);
    parts_ = std::make_unique<MiniParts>(MiniParts{*this, *pages_, *list_});
    window_->setMessageHandler([this](unsigned message, MessageWords words) {
        MiniMessageTable::dispatch(*parts_, message, words);
    });
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
    window_->setHostNotifier([this](unsigned message, MessageWords words) { tellHost(message, words); });
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
    window_->setMessageHandler(nullptr);
    parts_.reset();
    delete list_;
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
    tellHost(KESTO_MSG_MINI_SHOWN, {visible ? 1 : 0, window_->dockedNow() ? 1 : 0});
    return was;
}

void MiniPlayList::tellHost(unsigned message, MessageWords words) {
    module_.postToHost(message, words.first, words.second);
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

// ---- playing ----

NextSongResult MiniPlayList::nextSong(const NextSongRequest& request) {
    SongStore* store = nowPlaying_->store();
    if (store == nullptr)
        return {};
    PanelOperations* panel = module_.panel();
    NextSongResult result = PlayNext::run(*store, protocol(), request,
                                          panel != nullptr ? panel->nowPlaying().albumDb() : nullptr);
    if (panel != nullptr)
        panel->nowPlaying().keepPlayedText(result.storedText);
    if (list_ != nullptr)
        list_->setCurrentRow(result.position);
    const Song* played = store->get(result.position);
    if (played != nullptr && module_.songText() != nullptr && !result.refused)
        pages_->follow(*played);
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

// ---- messages and commands ----

void MiniPlayList::command(int id) {
    if (parts_ != nullptr)
        MiniMessageTable::command(*parts_, id);
}

void MiniPlayList::runListCommand(int id) {
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
    owner_->allCheckedChanged(check);
}

void MiniPlayList::say(const char* textUtf8, int style) const {
    if (protocol_.box != nullptr)
        protocol_.box->show(Cp949::fromUtf8(textUtf8), kMessageBoxCaption, style);
}

} // namespace kesto
