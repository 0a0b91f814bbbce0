#pragma once
// Turns a list reply into song records by the layout of the page kind, appending each record
// to a sink (the list store) as soon as it is made. The reply is read once, row by row; each
// field is decoded straight into its place in the record.

#include "protocol/protocol_context.h"
#include "protocol/record_sink.h"
#include "songs/song_record.h"

#include <cstdint>
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
    // A store (records made in place) or a function taking each record.
    using RecordSink = kesto::RecordSink;

    // The context gives the login block (current list code) and the error reporting.
    explicit ListParser(const ProtocolContext& context) : context_(context) {}

    // A page lists 50 songs; the largest lists a user keeps run to tens of thousands, and a
    // hostile reply must not make millions of songs and list rows.
    static constexpr std::int32_t kMaxRows = 100000;

    static bool hasParser(int pageKind);
    static RecordSink into(SongStore& store);

    // Rows past the end of the reply read as empty fields; at most one such row is made, so
    // that a huge row count cannot run on beyond the reply; at most kMaxRows rows are made.
    ParsedList parse(std::string_view reply, int pageKind, RecordSink sink) const;

private:
    const ProtocolContext& context_;
};

} // namespace kesto
