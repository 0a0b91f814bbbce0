#pragma once
// Builds a DCF file's record from its own header instead of the tag reader: title, bit rate,
// and the type from the content id (3 when packaged on this PC, 4 otherwise, 9 for a bell).

#include "library/local_record_basics.h"

namespace kesto {

class DcfRecordBuilder {
public:
    explicit DcfRecordBuilder(LocalRecordBasics& basics);

    // 1 when filled; 0 for an empty or over-long path or a file that is not a valid DCF.
    int build(std::string_view path, Song& record, const RecordOrigin& origin) const;

private:
    LocalRecordBasics& basics_;
};

} // namespace kesto
