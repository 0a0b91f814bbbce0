#include "listview/drag_table.h"

#include "columns/drag_payload.h"
#include "songs/song_record.h"

#include <QCoreApplication>
#include <QVariant>

#include <cstring>
#include <memory>
#include <type_traits>

namespace kesto {

namespace {

constexpr const char* kHolderName = "kesto-drag-table";
constexpr const char* kTokenName = "token";
constexpr const char* kLastSerialName = "lastSerial";
// A drag's entry: the source list's id, then the songs' bytes.
constexpr qsizetype kSourceBytes = sizeof(std::uint64_t);

static_assert(std::is_trivially_copyable_v<SongRecord>);
constexpr qsizetype kRecordBytes = sizeof(SongRecord);

QObject* holder(bool make) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return nullptr;
    if (auto* found = app->findChild<QObject*>(QLatin1String(kHolderName), Qt::FindDirectChildrenOnly))
        return found;
    if (!make)
        return nullptr;
    auto* made = new QObject(app);
    made->setObjectName(QLatin1String(kHolderName));
    return made;
}

QByteArray nameOf(std::uint64_t serial) {
    return "drag" + QByteArray::number(static_cast<qulonglong>(serial));
}

QByteArray entryOf(std::uint64_t serial) {
    const QObject* table = holder(false);
    if (table == nullptr || serial == 0)
        return {};
    return table->property(nameOf(serial).constData()).toByteArray();
}

} // namespace

std::uint64_t DragTable::token() {
    QObject* table = holder(true);
    if (table == nullptr)
        return 0;
    const QVariant kept = table->property(kTokenName);
    if (kept.isValid())
        return kept.toULongLong();
    const std::uint64_t made = DragPayload::freshToken();
    table->setProperty(kTokenName, QVariant::fromValue(static_cast<qulonglong>(made)));
    return made;
}

std::uint64_t DragTable::keep(std::uint64_t source, std::span<const Song* const> songs) {
    QObject* table = holder(true);
    if (table == nullptr || token() == 0)
        return 0;
    QByteArray entry;
    entry.resize(kSourceBytes + static_cast<qsizetype>(songs.size()) * kRecordBytes);
    std::memcpy(entry.data(), &source, sizeof source);
    char* at = entry.data() + kSourceBytes;
    auto record = std::make_unique<SongRecord>();
    for (const Song* song : songs) {
        SongRecord::fill(*record, *song);
        std::memcpy(at, record.get(), sizeof(SongRecord));
        at += kRecordBytes;
    }
    const std::uint64_t serial = table->property(kLastSerialName).toULongLong() + 1;
    table->setProperty(kLastSerialName, QVariant::fromValue(static_cast<qulonglong>(serial)));
    table->setProperty(nameOf(serial).constData(), entry);
    return serial;
}

void DragTable::forget(std::uint64_t serial) {
    if (QObject* table = holder(false); table != nullptr && serial != 0)
        table->setProperty(nameOf(serial).constData(), QVariant());
}

std::optional<std::uint64_t> DragTable::sourceOf(std::uint64_t serial) {
    const QByteArray entry = entryOf(serial);
    if (entry.size() < kSourceBytes)
        return std::nullopt;
    std::uint64_t source = 0;
    std::memcpy(&source, entry.constData(), sizeof source);
    return source;
}

std::vector<Song> DragTable::songsOf(std::uint64_t serial) {
    const QByteArray entry = entryOf(serial);
    std::vector<Song> songs;
    if (entry.size() < kSourceBytes)
        return songs;
    const qsizetype count = (entry.size() - kSourceBytes) / kRecordBytes;
    songs.reserve(static_cast<std::size_t>(count));
    auto record = std::make_unique<SongRecord>();
    for (qsizetype i = 0; i < count; ++i) {
        std::memcpy(static_cast<void*>(record.get()), entry.constData() + kSourceBytes + i * kRecordBytes,
                    sizeof(SongRecord));
        songs.push_back(record->toSong());
    }
    return songs;
}

} // namespace kesto
