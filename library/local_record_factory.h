#pragma once
// Turns a local file's path into a song record with the builder of its type. One per panel:
// the made-up song ids count on across every import and listing.

#include "include/kesto/panel_api.h"
#include "library/dcf_record_builder.h"
#include "library/local_record_basics.h"
#include "library/tag_record_builder.h"

namespace kesto {

class LocalRecordFactory {
public:
    explicit LocalRecordFactory(KestoSvcReadTagsFn reader, LocalRecordBasics::Clock clock = &LocalTime::now);

    // Fills a fresh record for path with the builder of fileFormat; false when it cannot be read.
    bool build(std::string_view path, int fileFormat, const RecordOrigin& origin, Song& out);

private:
    LocalRecordBasics basics_;
    TagRecordBuilder tags_;
    DcfRecordBuilder dcf_;
};

} // namespace kesto
