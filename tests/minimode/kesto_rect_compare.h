#pragma once
// KestoRect compared and printed in test expectations (found by argument lookup: global).

#include "include/kesto/panel_api.h"

#include <ostream>

inline bool operator==(const KestoRect& a, const KestoRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const KestoRect& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
