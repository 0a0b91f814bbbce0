#include "library/dcf_record_builder.h"

#include "library/dcf_header.h"
#include "library/file_type.h"

#include <cstdint>
#include <limits>

namespace kesto {

DcfRecordBuilder::DcfRecordBuilder(LocalRecordBasics& basics) : basics_(basics) {}

int DcfRecordBuilder::build(std::string_view path, Song& record, const RecordOrigin& origin) const {
    if (!LocalRecordBasics::fits(path))
        return 0;
    const std::filesystem::path file{std::string(path)};
    const auto info = DcfHeader::readFile(file);
    if (!info)
        return 0;
    basics_.apply(record, path, origin, info->title(), {});
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    record.File_Size =
        error ? 0
              : static_cast<std::int32_t>(std::min<std::uintmax_t>(
                    size, static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max())));
    record.Bitrate = info->bitrate();
    const int type = info->isBell()    ? FileType::kBell
                     : info->isLocal() ? FileType::kDcfLocal
                                       : FileType::kDcf;
    record.File_Format = static_cast<std::uint8_t>(type);
    return 1;
}

} // namespace kesto
