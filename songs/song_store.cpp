#include "songs/song_store.h"

#include "platform/failure_log.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <unordered_map>
#include <utility>

namespace kesto {
namespace {

constexpr int kPrevWrap = -2;
constexpr int kPrev = -1;
constexpr int kRepeatOne = 0;
constexpr int kNext = 1;
constexpr int kNextWrap = 2;
constexpr int kRepeatOneAlt = 100;
constexpr int kShuffleOnce = 101;
constexpr int kShuffleEndless = 102;

} // namespace

SongStore::SongStore() : random_([] { return std::rand(); }) {}

SongStore::~SongStore() = default;

int SongStore::addCopy(const Song* record) {
    if (record == nullptr)
        return 0;
    try {
        return adopt(std::make_unique<Song>(*record));
    } catch (const std::bad_alloc&) {
        FailureLog::write(LogCategory::Songs, "song store: no memory for another record");
        return 0;
    }
}

int SongStore::adopt(std::unique_ptr<Song> record) {
    if (!record)
        return 0;
    std::lock_guard lock(mutex_);
    try {
        records_.push_back(std::move(record));
        index_.appended(*records_.back());
    } catch (const std::bad_alloc&) {
        FailureLog::write(LogCategory::Songs, "song store: no memory for another record");
        index_.drop();
        return 0;
    }
    return 1;
}

Song* SongStore::get(int index) {
    return const_cast<Song*>(std::as_const(*this).get(index));
}

const Song* SongStore::get(int index) const {
    std::lock_guard lock(mutex_);
    return index >= 0 && index < static_cast<int>(records_.size()) ? records_[index].get() : nullptr;
}

int SongStore::removeAt(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(records_.size()))
        return kOutOfRange;
    index_.removing(records_, static_cast<std::size_t>(index));
    records_.erase(records_.begin() + index);
    // The current index keeps pointing at the same record, or at none when it went.
    if (index == current_)
        current_ = -1;
    else if (index < current_)
        --current_;
    return 1;
}

bool SongStore::remove(const Song* record) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < static_cast<int>(records_.size()); ++i)
        if (records_[i].get() == record)
            return removeAt(i) == 1;
    return false;
}

int SongStore::insertCopy(int index, const Song* record) {
    if (record == nullptr)
        return 0;
    std::lock_guard lock(mutex_);
    if (index < 0 || index > static_cast<int>(records_.size()))
        return 0;
    try {
        records_.insert(records_.begin() + index, std::make_unique<Song>(*record));
    } catch (const std::bad_alloc&) {
        FailureLog::write(LogCategory::Songs, "song store: no memory for another record");
        return 0;
    }
    index_.drop();
    if (current_ >= index)
        ++current_;
    return 1;
}

bool SongStore::move(int from, int to) {
    std::lock_guard lock(mutex_);
    const int n = static_cast<int>(records_.size());
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    const auto at = records_.begin();
    if (from < to)
        std::rotate(at + from, at + from + 1, at + to + 1);
    else
        std::rotate(at + to, at + from, at + from + 1);
    index_.drop();
    // The current index follows its record.
    if (current_ == from)
        current_ = to;
    else if (from < current_ && current_ <= to)
        --current_;
    else if (to <= current_ && current_ < from)
        ++current_;
    return true;
}

bool SongStore::swap(int a, int b) {
    std::lock_guard lock(mutex_);
    const int n = static_cast<int>(records_.size());
    if (a < 0 || a >= n || b < 0 || b >= n)
        return false;
    std::swap(records_[a], records_[b]);
    index_.drop();
    if (current_ == a)
        current_ = b;
    else if (current_ == b)
        current_ = a;
    return true;
}

void SongStore::sort(const std::function<bool(const Song&, const Song&)>& less) {
    std::lock_guard lock(mutex_);
    const Song* currentRecord = current_ >= 0 ? records_[current_].get() : nullptr;
    std::stable_sort(records_.begin(), records_.end(),
                     [&less](const auto& a, const auto& b) { return less(*a, *b); });
    afterReorder(currentRecord);
}

int SongStore::findBySongId(std::string_view id) const {
    std::lock_guard lock(mutex_);
    return index_.findBySongId(records_, id);
}

std::size_t SongStore::indexBytes() const {
    std::lock_guard lock(mutex_);
    return index_.built() ? index_.bytesHeld() : 0;
}

void SongStore::setCurrent(int index) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < static_cast<int>(records_.size()); ++i)
        records_[i]->Is_Current = i == index ? 1 : 0;
    current_ = index >= 0 && index < static_cast<int>(records_.size()) ? index : -1;
}

int SongStore::current() const {
    std::lock_guard lock(mutex_);
    return current_;
}

void SongStore::reorder(const std::vector<const Song*>& order) {
    std::lock_guard lock(mutex_);
    const Song* current = current_ >= 0 ? records_[current_].get() : nullptr;
    std::vector<std::unique_ptr<Song>> sorted;
    sorted.reserve(records_.size());
    std::unordered_map<const Song*, std::size_t> where;
    for (std::size_t i = 0; i < records_.size(); ++i)
        where.emplace(records_[i].get(), i);
    for (const Song* wanted : order)
        if (const auto found = where.find(wanted); found != where.end() && records_[found->second])
            sorted.push_back(std::move(records_[found->second]));
    for (auto& slot : records_)
        if (slot)
            sorted.push_back(std::move(slot));
    records_ = std::move(sorted);
    afterReorder(current);
}

void SongStore::afterReorder(const Song* currentRecord) {
    index_.drop(); // positions changed
    current_ = -1;
    for (int i = 0; currentRecord != nullptr && i < static_cast<int>(records_.size()); ++i)
        if (records_[i].get() == currentRecord)
            current_ = i;
}

int SongStore::addClearHook(std::function<void()> hook) {
    std::lock_guard lock(mutex_);
    clearHooks_.emplace_back(++lastHookId_, std::move(hook));
    return lastHookId_;
}

void SongStore::removeClearHook(int id) {
    std::lock_guard lock(mutex_);
    std::erase_if(clearHooks_, [id](const auto& hook) { return hook.first == id; });
}

void SongStore::clear() {
    std::vector<std::pair<int, std::function<void()>>> hooks;
    {
        std::lock_guard lock(mutex_);
        hooks = clearHooks_;
    }
    for (const auto& hook : hooks)
        hook.second();
    std::lock_guard lock(mutex_);
    records_.clear();
    records_.shrink_to_fit();
    index_.drop();
    current_ = -1;
}

int SongStore::count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(records_.size());
}

void SongStore::clearShuffleMarks() {
    std::lock_guard lock(mutex_);
    for (auto& record : records_)
        record->Shuffle_Mark = 0;
}

void SongStore::setShuffleMark(int index) {
    std::lock_guard lock(mutex_);
    if (Song* record = get(index))
        record->Shuffle_Mark = 1;
}

int SongStore::shuffleMarkOf(int index) const {
    std::lock_guard lock(mutex_);
    const Song* record = get(index);
    return record != nullptr ? record->Shuffle_Mark : 0;
}

void SongStore::markAll(int value) {
    std::lock_guard lock(mutex_);
    for (auto& record : records_)
        record->Marked = value;
}

int SongStore::allMarked() const {
    std::lock_guard lock(mutex_);
    for (const auto& record : records_)
        if (record->Marked == 0)
            return 0;
    return 1;
}

int SongStore::positionInNowPlaying(const Song& record) const {
    std::lock_guard lock(mutex_);
    return index_.positionInNowPlaying(records_, record);
}

int SongStore::firstAtOrAfter(int i) const {
    const int n = static_cast<int>(records_.size());
    if (i >= n)
        return -1;
    return n == 0 ? -1 : (i < 0 ? 0 : i);
}

int SongStore::lastAtOrBefore(int i) const {
    const int n = static_cast<int>(records_.size());
    if (i < 0 || n == 0)
        return -1;
    return i < n ? i : n - 1;
}

int SongStore::shuffleNext(bool endless) {
    const int n = static_cast<int>(records_.size());
    if (n == 0)
        return -1;
    // Stops at the first unmarked entry: with random marks that is as far as the draws
    // below are expected to go, so a whole cycle stays O(n log n).
    bool anyUnmarked = false;
    for (const auto& record : records_) {
        if (record->Shuffle_Mark == 0) {
            anyUnmarked = true;
            break;
        }
    }
    if (!anyUnmarked) {
        if (!endless)
            return -1;
        clearShuffleMarks();
    }
    for (;;) {
        const int drawn = random_();
        const int pick = (drawn < 0 ? -(drawn + 1) : drawn) % n;
        if (records_[pick]->Shuffle_Mark == 0)
            return pick;
    }
}

int SongStore::nextEntry(int p, int m, int f) {
    std::lock_guard lock(mutex_);
    const int n = static_cast<int>(records_.size());
    const bool restart = f == 1;
    int result = 0;
    switch (m) {
    case kPrevWrap:
        if (restart) {
            result = firstAtOrAfter(0);
        } else {
            result = lastAtOrBefore((p == 0 ? n : p) - 1);
            if (result < 0)
                result = lastAtOrBefore(n - 1);
        }
        break;
    case kPrev:
        result = restart ? firstAtOrAfter(0) : lastAtOrBefore(p - 1);
        break;
    case kRepeatOne:
    case kRepeatOneAlt:
        result = firstAtOrAfter(p);
        break;
    case kNext:
        result = restart ? firstAtOrAfter(0) : firstAtOrAfter(p + 1);
        break;
    case kNextWrap:
        if (restart || n == 0) {
            result = firstAtOrAfter(0);
        } else {
            result = firstAtOrAfter(p + 1);
            if (result < 0)
                result = firstAtOrAfter(0);
        }
        break;
    case kShuffleOnce:
    case kShuffleEndless:
        result = shuffleNext(m == kShuffleEndless);
        break;
    default:
        return 0; // not a play mode
    }
    if (result >= 0)
        records_[result]->Shuffle_Mark = 1;
    return result;
}

void SongStore::setRandomSource(std::function<int()> source) {
    std::lock_guard lock(mutex_);
    random_ = source ? std::move(source) : std::function<int()>([] { return std::rand(); });
}

std::vector<Song> SongStore::snapshot() const {
    std::lock_guard lock(mutex_);
    std::vector<Song> copies;
    copies.reserve(records_.size());
    for (const auto& record : records_)
        copies.push_back(*record);
    return copies;
}

void SongStore::forEach(const std::function<void(int, Song&)>& fn) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < static_cast<int>(records_.size()); ++i)
        fn(i, *records_[i]);
}

} // namespace kesto
