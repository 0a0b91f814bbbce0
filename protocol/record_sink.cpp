#include "protocol/record_sink.h"

#include "songs/song_store.h"

#include <new>

namespace kesto {

RecordSink RecordSink::into(SongStore& store) {
    RecordSink sink;
    sink.store_ = &store;
    return sink;
}

RecordSink::RecordSink(RecordSink&& other) noexcept
    : store_(std::exchange(other.store_, nullptr)), take_(std::move(other.take_)),
      builder_(std::move(other.builder_)) {}

RecordSink::~RecordSink() = default;

SongBuilder* RecordSink::open() {
    return builder_.start() ? &builder_ : nullptr;
}

bool RecordSink::close() {
    try {
        std::unique_ptr<Song> song = builder_.finish();
        if (!song)
            return false;
        if (store_ != nullptr)
            return store_->adopt(std::move(song)) == 1;
        return take_ && take_(*song);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace kesto
