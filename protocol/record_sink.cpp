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

RecordSink::~RecordSink() {
    if (store_ != nullptr)
        store_->releaseSpare();
}

SongRecord* RecordSink::open() {
    if (store_ != nullptr) {
        record_ = store_->newRecord();
        return record_.get();
    }
    // One record serves every row of a function sink.
    if (!record_)
        record_.reset(new (SongRecord::kZeroFilled) SongRecord);
    if (record_)
        SongRecord::reset(*record_);
    return record_.get();
}

bool RecordSink::close() {
    if (!record_)
        return false;
    if (store_ != nullptr)
        return store_->adopt(std::move(record_)) == 1;
    return take_ && take_(*record_);
}

} // namespace kesto
