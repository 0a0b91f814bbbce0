#pragma once
// Where a list parse puts its rows. Every row is decoded straight into a song through one
// builder used again and again, and packed once it is whole: into a store, the song is handed
// over; into a function, it is passed by reference.

#include "songs/song_builder.h"

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

    // The builder with a new song started, or null when memory runs out.
    SongBuilder* open();
    // Packs the song from open and hands it over; false when it could not be kept.
    bool close();

private:
    RecordSink() = default;

    SongStore* store_ = nullptr;
    Take take_;
    SongBuilder builder_;
};

} // namespace kesto
