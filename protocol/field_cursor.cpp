#include "protocol/field_cursor.h"

#include "protocol/protocol_words.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kesto {

namespace {

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
    Field field;
    const char* stop = nullptr;
#if defined(__SSE2__)
    // Sixteen bytes at a time: where the first VT is, and whether a special byte comes before it;
    // which one is looked at only when there is one.
    const __m128i vt = _mm_set1_epi8(proto::kVt);
    const __m128i amp = _mm_set1_epi8('&');
    const __m128i percent = _mm_set1_epi8('%');
    const __m128i zero = _mm_setzero_si128();
    const auto mask = [](__m128i a, __m128i b) {
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b)));
    };
    while (stop == nullptr && end_ - p >= kBlock) {
        __m128i block;
        std::memcpy(&block, p, sizeof block); // an unaligned load
        const unsigned separators = mask(block, vt);
        const __m128i special =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, amp), _mm_cmpeq_epi8(block, percent)),
                         _mm_cmpeq_epi8(block, zero));
        unsigned before = 0xFFFFu;
        if (separators != 0) {
            const unsigned first = static_cast<unsigned>(__builtin_ctz(separators));
            before = (1u << first) - 1u;
            stop = p + first;
        } else {
            p += kBlock;
        }
        if ((static_cast<unsigned>(_mm_movemask_epi8(special)) & before) != 0) {
            field.ampersand = field.ampersand || (mask(block, amp) & before) != 0;
            field.percent = field.percent || (mask(block, percent) & before) != 0;
            field.nul = field.nul || (mask(block, zero) & before) != 0;
        }
    }
#endif
    for (; stop == nullptr && p < end_; ++p) {
        if (*p == proto::kVt)
            stop = p;
        field.ampersand = field.ampersand || *p == '&';
        field.percent = field.percent || *p == '%';
        field.nul = field.nul || *p == '\0';
    }
    field.plain = !(field.ampersand || field.percent || field.nul);
    if (stop == nullptr) {
        field.text = {at_, static_cast<std::size_t>(end_ - at_)};
        at_ = nullptr;
        return field;
    }
    field.text = {at_, static_cast<std::size_t>(stop - at_)};
    at_ = stop + 1;
    return field;
}

} // namespace kesto
