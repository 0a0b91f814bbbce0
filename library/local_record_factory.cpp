#include "library/local_record_factory.h"

#include "library/file_type.h"

#include <sys/stat.h>

#include <string>

namespace kesto {

LocalRecordFactory::LocalRecordFactory(KestoSvcReadTagsFn reader, LocalRecordBasics::Clock clock)
    : basics_(std::move(clock)), tags_(reader, basics_), dcf_(basics_) {}

bool LocalRecordFactory::build(std::string_view path, int fileFormat, const RecordOrigin& origin, Song& out) {
    out = Song();
    // A FIFO or a device would block or never end under the tag reader: only regular files
    // (or files that are not there, which the readers report) are read.
    struct stat status {};
    if (::stat(std::string(path).c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return false;
    const int filled = FileType::isDcf(fileFormat) ? dcf_.build(path, out, origin)
                                                   : tags_.build(path, out, origin, fileFormat);
    return filled == 1;
}

} // namespace kesto
