#pragma once
// The host's tag reader (service table B entry 22) over TagLib: fills the 1080-byte tag
// buffer at the offsets of panel_api.h. Texts are stored as CP949.

namespace kesto {

class TagReader {
public:
    // 1 when the file was read, 0 when it is missing or no audio file TagLib understands.
    static int read(const char* path, void* buffer);
};

} // namespace kesto
