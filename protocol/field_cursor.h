#pragma once
// Walks a reply field by field without cutting it up first: the parser reads rows in order, so
// it needs no table of every field. While it looks for the VT that ends a field it also notes
// whether the field holds '&', '%' or NUL, so that a plain field is copied without a second
// look. Fields past the end read as empty text, and the cursor counts how far past the end it
// has gone.

#include <cstddef>
#include <string_view>

namespace kesto {

class FieldCursor {
public:
    struct Field {
        std::string_view text;
        bool plain = true; // no '&', '%' or NUL: nothing to decode
        // Which of them it holds, so that decoding looks only for what is there.
        bool ampersand = false;
        bool percent = false;
        bool nul = false;
    };

    explicit FieldCursor(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

    // The field at the cursor; the cursor moves on to the next one.
    Field next();

    // Moves on by count fields.
    void skip(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            next();
    }

    // The cursor stands on a field of the text or on the one just after the last: a row that
    // starts here is made, with its missing fields empty.
    bool withinReach() const { return beyond_ == 0; }

private:
    const char* at_;
    const char* end_;
    std::size_t beyond_ = 0;
};

} // namespace kesto
