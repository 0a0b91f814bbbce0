#include "library/local_record_factory.h"

#include "library/file_type.h"

namespace kesto {

LocalRecordFactory::LocalRecordFactory(KestoSvcReadTagsFn reader, LocalRecordBasics::Clock clock)
    : basics_(std::move(clock)), tags_(reader, basics_), dcf_(basics_) {}

bool LocalRecordFactory::build(std::string_view path, int fileFormat, const RecordOrigin& origin,
                               SongRecord& out) {
    out = SongRecord::make();
    const int filled = FileType::isDcf(fileFormat) ? dcf_.build(path, out, origin)
                                                   : tags_.build(path, out, origin, fileFormat);
    return filled == 1;
}

} // namespace kesto
