#pragma once
// Host service table A entry 32: a new play list is a new album of the album database (in the
// current folder, where the panel keeps it), named as the user typed it.

namespace kesto {

class PlayListMaker {
public:
    // (CP949 name) -> the new play list's album id, 0 when it cannot be made.
    static int create(const char* name);
};

} // namespace kesto
