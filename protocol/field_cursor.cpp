#include "protocol/field_cursor.h"

#include "protocol/protocol_words.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kesto {

namespace {

bool isSpecial(char c) {
    return c == '&' || c == '%' || c == '\0';
}

#if defined(__SSE2__)
constexpr std::ptrdiff_t kBlock = 16;
#endif

} // namespace

FieldCursor::Field FieldCursor::next() {
    if (at_ == nullptr) {
        ++beyond_;
        return {};
    }
    const char* p = at_;
    bool plain = true;
    const char* stop = nullptr;
#if defined(__SSE2__)
    // Sixteen bytes at a time: where the first VT is, and whether a special byte comes before it.
    const __m128i vt = _mm_set1_epi8(proto::kVt);
    const __m128i amp = _mm_set1_epi8('&');
    const __m128i percent = _mm_set1_epi8('%');
    const __m128i zero = _mm_setzero_si128();
    while (stop == nullptr && end_ - p >= kBlock) {
        __m128i block;
        std::memcpy(&block, p, sizeof block); // an unaligned load
        const auto separators = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, vt)));
        const __m128i special =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, amp), _mm_cmpeq_epi8(block, percent)),
                         _mm_cmpeq_epi8(block, zero));
        auto specials = static_cast<unsigned>(_mm_movemask_epi8(special));
        if (separators != 0) {
            const unsigned first = static_cast<unsigned>(__builtin_ctz(separators));
            specials &= (1u << first) - 1u;
            stop = p + first;
        } else {
            p += kBlock;
        }
        if (specials != 0)
            plain = false;
    }
#endif
    for (; stop == nullptr && p < end_; ++p) {
        if (*p == proto::kVt)
            stop = p;
        else if (isSpecial(*p))
            plain = false;
    }
    if (stop == nullptr) {
        const Field last{{at_, static_cast<std::size_t>(end_ - at_)}, plain};
        at_ = nullptr;
        return last;
    }
    const Field field{{at_, static_cast<std::size_t>(stop - at_)}, plain};
    at_ = stop + 1;
    return field;
}

} // namespace kesto
