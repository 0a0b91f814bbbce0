#pragma once
// Builds a local file's record from the host's tag reader (host service table B, entry 22).

#include "include/kesto/panel_api.h"
#include "library/local_record_basics.h"

namespace kesto {

class TagRecordBuilder {
public:
    TagRecordBuilder(KestoSvcReadTagsFn reader, LocalRecordBasics& basics);

    // 1 when the record (zero-filled by the caller) was filled; 0 without a reader, with an
    // empty or over-long path, or when the reader fails.
    int build(std::string_view path, Song& record, const RecordOrigin& origin, int fileFormat) const;

private:
    KestoSvcReadTagsFn reader_;
    LocalRecordBasics& basics_;
};

} // namespace kesto
