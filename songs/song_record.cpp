#include "songs/song_record.h"

#include "platform/cp949.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace kesto {

static_assert(std::is_trivially_copyable_v<SongRecord>, "records are copied by value");

SongRecord SongRecord::make() {
    SongRecord record;
    reset(record);
    return record;
}

void* SongRecord::operator new(std::size_t size) {
    if (void* memory = std::malloc(size))
        return memory;
    throw std::bad_alloc();
}

void* SongRecord::operator new(std::size_t size, ZeroFilled) noexcept {
    return std::calloc(1, size);
}

void SongRecord::operator delete(void* memory) noexcept {
    std::free(memory);
}

void SongRecord::operator delete(void* memory, ZeroFilled) noexcept {
    std::free(memory);
}

void SongRecord::reset(SongRecord& record) {
    std::memset(&record, 0, sizeof record);
    record.Serviceable = 1;
}

std::size_t copyBounded(char* field, std::size_t capacity, std::string_view text) {
    if (field == nullptr || capacity == 0)
        return 0;
    // A NUL inside the text ends it, as it would in the C string it came from.
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    const std::size_t length = Cp949::fitLength(text, capacity - 1);
    if (length > 0) // an empty view may carry a null pointer
        std::memcpy(field, text.data(), length);
    field[length] = '\0';
    return length;
}

} // namespace kesto
