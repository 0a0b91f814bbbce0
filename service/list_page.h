#pragma once
// One page of a list: 50 rows a page, 20 in the cart; pages count from 0.

#include "service/wire_reply.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kesto::service {

class ListPage {
public:
    static constexpr std::size_t kRows = 50;
    static constexpr std::size_t kCartRows = 20;

    ListPage(std::int64_t index, std::size_t total, std::size_t rowsPerPage = kRows)
        : index_(index < 0 ? 0 : index), total_(total), rows_(rowsPerPage) {}

    std::int64_t index() const { return index_; }
    std::size_t total() const { return total_; }
    std::size_t first() const {
        const auto start = static_cast<std::size_t>(index_) * rows_;
        return start < total_ ? start : total_;
    }
    std::size_t count() const { return total_ - first() < rows_ ? total_ - first() : rows_; }

    // The count of rows on this page, the page index and the total number of rows.
    WireReply& header(WireReply& reply) const {
        return reply.plainNumber(static_cast<std::int64_t>(count()))
            .plainNumber(index_)
            .plainNumber(static_cast<std::int64_t>(total_));
    }

    template <typename T> std::span<const T> of(const std::vector<T>& rows) const {
        return std::span<const T>(rows).subspan(first(), count());
    }

private:
    std::int64_t index_;
    std::size_t total_;
    std::size_t rows_;
};

} // namespace kesto::service
