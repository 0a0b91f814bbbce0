#pragma once
// Where a list parse puts its rows. Every row is filled in one fixed record used again and
// again, and packed into a song once it is whole: into a store, the song is handed over; into a
// function, it is passed by reference.

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
    using Take = std::function<bool(const Song&)>;

    template <typename F>
    requires std::invocable<F&, const Song&> &&
        (!std::same_as<std::decay_t<F>, RecordSink>)RecordSink(F&& take)
        : take_(std::forward<F>(take)) {} // NOLINT: a function converts on purpose

    static RecordSink into(SongStore& store);

    RecordSink(RecordSink&& other) noexcept;
    RecordSink& operator=(RecordSink&&) = delete;
    RecordSink(const RecordSink&) = delete;
    RecordSink& operator=(const RecordSink&) = delete;
    ~RecordSink();

    // An empty record with Serviceable 1 to fill, or null when memory runs out.
    SongRecord* open();
    // Hands the song of the record from open over; false when it could not be kept.
    bool close();

private:
    RecordSink() = default;

    SongStore* store_ = nullptr;
    Take take_;
    std::unique_ptr<SongRecord> record_;
};

} // namespace kesto
