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
      record_(std::move(other.record_)) {}

RecordSink::~RecordSink() = default;

SongRecord* RecordSink::open() {
    if (!record_)
        record_.reset(new (std::nothrow) SongRecord);
    if (record_)
        record_->clear();
    return record_.get();
}

bool RecordSink::close() {
    if (!record_)
        return false;
    try {
        if (store_ != nullptr)
            return store_->adopt(std::make_unique<Song>(record_->toSong())) == 1;
        return take_ && take_(record_->toSong());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace kesto
