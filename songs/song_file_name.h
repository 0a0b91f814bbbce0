#pragma once
// A song id from the store becomes a file name (the downloaded "<id>.dcf", the lyrics cache):
// only a plain name may, one that stays inside the folder it is put in.

#include <string_view>

namespace kesto {

class SongFileName {
public:
    // Not empty, not "." or "..", no '/' or '\', no control byte or DEL.
    static bool isPlain(std::string_view songId);
};

} // namespace kesto
