#pragma once
// One cell of a list row, made from the row's song when it is needed: its text (CP949) and
// what it does when drawn and clicked.

#include <cstdint>
#include <string>

namespace kesto {

struct RowCell {
    static constexpr int kNoCheck = -1;

    std::string text;
    int check = kNoCheck; // -1 no box, 0 unchecked, 1 checked
    std::uint16_t clickFlags = 0;
    bool dropDown = false;
};

} // namespace kesto
