#pragma once
// Where a list parse puts its records. Into a store, each record is made in the memory the
// store keeps it in and handed over whole; into a function, the records are made one after
// another in one record and passed by reference.

#include "songs/song_record.h"

#include <concepts>
#include <functional>
#include <memory>
#include <utility>

namespace kesto {

class SongStore;

class RecordSink {
public:
    // Takes a record; false when it could not be kept (out of memory).
    using Take = std::function<bool(const SongRecord&)>;

    template <typename F>
    requires std::invocable<F&, const SongRecord&> &&
        (!std::same_as<std::decay_t<F>, RecordSink>)RecordSink(F&& take)
        : take_(std::forward<F>(take)) {} // NOLINT: a function converts on purpose

    static RecordSink into(SongStore& store);

    RecordSink(RecordSink&& other) noexcept;
    RecordSink& operator=(RecordSink&&) = delete;
    RecordSink(const RecordSink&) = delete;
    RecordSink& operator=(const RecordSink&) = delete;
    // Done: a store frees the memory of its last clear that the parse did not reuse.
    ~RecordSink();

    // A zero-filled record with Serviceable 1 to fill, or null when memory runs out.
    SongRecord* open();
    // Hands the record from open over; false when it could not be kept.
    bool close();

private:
    RecordSink() = default;

    SongStore* store_ = nullptr;
    Take take_;
    std::unique_ptr<SongRecord> record_;
};

} // namespace kesto
