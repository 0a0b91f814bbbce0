#pragma once
// Turns a list reply into song records by the layout of the page kind, appending each record
// to a sink (the list store) as soon as it is made.

#include "protocol/protocol_context.h"
#include "songs/song_record.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kesto {

class SongStore;

// What a parse hands back to the fetch besides the records.
struct ParsedList {
    bool ok = false;
    int recordsMade = 0;
    std::int32_t rowCount = 0;  // field 0
    std::int32_t pageIndex = 0; // field 1: the "No." column counts from pageIndex x 50 (x 20 in the cart)
    std::int32_t header2 = 0;
    std::int32_t header3 = 0; // search replies only
    std::string headerText;   // search replies: the web address with its query percent-encoded
    std::string headerText2;
    int noRank = -1; // kinds 17 to 19: 1 when the last row's rank is "NO", 0 otherwise; -1 untouched
};

class ListParser {
public:
    // Takes a copy of a record; false when it could not be stored (out of memory).
    using RecordSink = std::function<bool(const SongRecord&)>;

    // The context gives the login block (current list code) and the error reporting.
    explicit ListParser(const ProtocolContext& context) : context_(context) {}

    // A page lists 50 songs; no reply of the store lists more than this, and a hostile one must
    // not make millions of 4 KB records.
    static constexpr std::int64_t kMaxRows = 10000;

    static bool hasParser(int pageKind);
    static RecordSink into(SongStore& store);

    // Rows past the end of the reply read as empty fields; at most one such row is made, so
    // that a huge row count cannot run on beyond the reply; at most kMaxRows rows are made.
    ParsedList parse(std::string_view reply, int pageKind, const RecordSink& sink) const;

private:
    const ProtocolContext& context_;
};

} // namespace kesto
