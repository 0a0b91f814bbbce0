#include "songs/song_index.h"

#include "platform/cp949.h"

#include <algorithm>
#include <array>
#include <functional>

namespace kesto {

namespace {

// Keys up to this length are folded on the stack; a song's keys always are.
constexpr std::size_t kFoldedOnStack = 512;

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

// Song ids are short: a byte a step beats a call.
std::uint64_t hashExact(std::string_view text) {
    std::uint64_t h = kFnvOffset;
    for (const char c : text)
        h = (h ^ static_cast<unsigned char>(c)) * kFnvPrime;
    return h;
}

// Paths are long: eight bytes a step.
std::uint64_t hashLong(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

// The hash of the text with its letters folded as Cp949::equalsIgnoreCase folds them.
std::uint64_t hashFolded(std::string_view text) {
    if (text.size() > kFoldedOnStack)
        return hashLong(Cp949::foldCase(text));
    std::array<char, kFoldedOnStack> folded;
    Cp949::foldCaseInto(text, folded.data());
    return hashLong({folded.data(), text.size()});
}

template <typename Lists> std::size_t listBytes(const Lists& lists) {
    std::size_t bytes = lists.bucket_count() * sizeof(void*);
    for (const auto& [key, seqs] : lists)
        bytes += sizeof key + sizeof seqs + 2 * sizeof(void*) + seqs.capacity() * sizeof(std::uint32_t);
    return bytes;
}

} // namespace

void SongIndex::drop() {
    built_ = false;
    seqOf_ = {};
    tree_ = {};
    nextSeq_ = 0;
    byId_ = {};
    byStreamingId_ = {};
    byLocalPath_ = {};
}

void SongIndex::build(const Records& records) {
    drop();
    built_ = true;
    const auto n = static_cast<std::uint32_t>(records.size());
    seqOf_.resize(n);
    for (std::uint32_t i = 0; i < n; ++i)
        seqOf_[i] = i;
    nextSeq_ = n;
    // Every sequence number below n is live; each node passes its sum up to its parent.
    tree_.assign(std::max<std::size_t>(2 * n, 64) + 1, 0);
    for (std::size_t i = 1; i <= n; ++i)
        tree_[i] += 1;
    for (std::size_t i = 1; i < tree_.size(); ++i) {
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < tree_.size())
            tree_[parent] += tree_[i];
    }
    byId_.reserve(n);
    byStreamingId_.reserve(n);
    byLocalPath_.reserve(n / 2);
    for (std::uint32_t i = 0; i < n; ++i)
        add(*records[i], i);
}

void SongIndex::add(const Song& record, std::uint32_t seq) {
    byId_[hashExact(record.view(SongField::Song_ID))].push_back(seq);
    if (record.isLocal())
        byLocalPath_[hashFolded(record.view(SongField::Local_Path))].push_back(seq);
    else
        byStreamingId_[hashFolded(record.view(SongField::Song_ID))].push_back(seq);
}

void SongIndex::take(Lists& lists, std::uint64_t key, std::uint32_t seq) {
    const auto found = lists.find(key);
    if (found == lists.end())
        return;
    auto& seqs = found->second;
    seqs.erase(std::remove(seqs.begin(), seqs.end(), seq), seqs.end());
    if (seqs.empty())
        lists.erase(found);
}

void SongIndex::appended(const Song& record) {
    if (!built_)
        return;
    if (nextSeq_ + 1 >= tree_.size())
        grow();
    const std::uint32_t seq = nextSeq_++;
    seqOf_.push_back(seq);
    mark(seq, 1);
    add(record, seq);
}

void SongIndex::removing(const Records& records, std::size_t position) {
    if (!built_ || position >= seqOf_.size())
        return;
    const Song& record = *records[position];
    const std::uint32_t seq = seqOf_[position];
    take(byId_, hashExact(record.view(SongField::Song_ID)), seq);
    if (record.isLocal())
        take(byLocalPath_, hashFolded(record.view(SongField::Local_Path)), seq);
    else
        take(byStreamingId_, hashFolded(record.view(SongField::Song_ID)), seq);
    mark(seq, -1);
    seqOf_.erase(seqOf_.begin() + static_cast<std::ptrdiff_t>(position));
}

void SongIndex::grow() {
    // Rebuilt at twice the size from the live sequence numbers.
    std::vector<int> tree(2 * tree_.size() + 1, 0);
    tree_.swap(tree);
    for (const std::uint32_t seq : seqOf_)
        mark(seq, 1);
}

void SongIndex::mark(std::uint32_t seq, int delta) {
    for (std::size_t i = seq + 1; i < tree_.size(); i += i & (~i + 1))
        tree_[i] += delta;
}

std::size_t SongIndex::rank(std::uint32_t seq) const {
    int sum = 0;
    for (std::size_t i = seq; i > 0; i -= i & (~i + 1))
        sum += tree_[i];
    return static_cast<std::size_t>(sum);
}

int SongIndex::findBySongId(const Records& records, std::string_view id) {
    if (!built_)
        build(records);
    const auto found = byId_.find(hashExact(id));
    if (found == byId_.end())
        return -1;
    for (const std::uint32_t seq : found->second) {
        const std::size_t position = rank(seq);
        if (position < records.size() && records[position]->view(SongField::Song_ID) == id)
            return static_cast<int>(position);
    }
    return -1;
}

int SongIndex::positionInNowPlaying(const Records& records, const Song& record) {
    if (!built_)
        build(records);
    // A song is local when it has a path: each song's path is read once.
    const std::string_view path = record.view(SongField::Local_Path);
    const bool local = !path.empty();
    const std::string_view key = local ? path : record.view(SongField::Song_ID);
    const Lists& lists = local ? byLocalPath_ : byStreamingId_;
    const auto found = lists.find(hashFolded(key));
    if (found == lists.end())
        return -1;
    for (const std::uint32_t seq : found->second) {
        const std::size_t position = rank(seq);
        if (position >= records.size())
            continue;
        const Song& entry = *records[position];
        const std::string_view entryPath = entry.view(SongField::Local_Path);
        if (entryPath.empty() != local &&
            Cp949::equalsIgnoreCase(local ? entryPath : entry.view(SongField::Song_ID), key))
            return static_cast<int>(position);
    }
    return -1;
}

std::size_t SongIndex::bytesHeld() const {
    return seqOf_.capacity() * sizeof(std::uint32_t) + tree_.capacity() * sizeof(int) + listBytes(byId_) +
           listBytes(byStreamingId_) + listBytes(byLocalPath_);
}

} // namespace kesto
