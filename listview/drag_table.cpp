#include "listview/drag_table.h"

#include "columns/drag_payload.h"
#include "platform/process_drag_table.h"
#include "songs/song_record.h"

#include <cstring>
#include <memory>
#include <type_traits>

namespace kesto {

namespace {

constexpr qsizetype kSourceBytes = sizeof(std::uint64_t);
static_assert(std::is_trivially_copyable_v<SongRecord>);
constexpr qsizetype kRecordBytes = sizeof(SongRecord);

} // namespace

std::uint64_t DragTable::token() {
    return ProcessDragTable::token(&DragPayload::freshToken);
}

std::uint64_t DragTable::keep(std::uint64_t source, std::span<const Song* const> songs) {
    if (token() == 0)
        return 0;
    QByteArray entry(kSourceBytes + static_cast<qsizetype>(songs.size()) * kRecordBytes, '\0');
    std::memcpy(entry.data(), &source, sizeof source);
    char* at = entry.data() + kSourceBytes;
    auto record = std::make_unique<SongRecord>();
    for (const Song* song : songs) {
        SongRecord::fill(*record, *song);
        std::memcpy(at, record.get(), sizeof(SongRecord));
        at += kRecordBytes;
    }
    return ProcessDragTable::keep(entry);
}

bool DragTable::runs(std::uint64_t serial) {
    return ProcessDragTable::entry(serial).size() >= kSourceBytes;
}

std::vector<Song> DragTable::songsOf(std::uint64_t serial) {
    const QByteArray entry = ProcessDragTable::entry(serial);
    std::vector<Song> songs;
    const qsizetype count = entry.size() < kSourceBytes ? 0 : (entry.size() - kSourceBytes) / kRecordBytes;
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
