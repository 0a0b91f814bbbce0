#pragma once
// The host's play modes and the order codes that entry 24 takes for each: which song follows
// at the end of a song, on "next" and on "previous".

#include <array>

namespace kesto {

enum class PlayMode { InOrder, RepeatAll, RepeatOne, Shuffle };

namespace play_order {
inline constexpr int kPreviousWrap = -2;
inline constexpr int kPrevious = -1;
inline constexpr int kAt = 0; // the entry at the position itself
inline constexpr int kNext = 1;
inline constexpr int kNextWrap = 2;
inline constexpr int kRepeatOne = 100;
inline constexpr int kShuffleOnce = 101; // each song once, then nothing
inline constexpr int kShuffle = 102;     // each song once a round, round after round
} // namespace play_order

struct PlayModeInfo {
    PlayMode mode;
    const char* label; // UTF-8
    int atEnd;         // after a song ends
    int next;          // the "next" button: repeat one moves on all the same
    int previous;
};

inline constexpr std::array<PlayModeInfo, 4> kPlayModes = {{
    {PlayMode::InOrder, "순서대로", play_order::kNext, play_order::kNext, play_order::kPrevious},
    {PlayMode::RepeatAll, "전체 반복", play_order::kNextWrap, play_order::kNextWrap,
     play_order::kPreviousWrap},
    {PlayMode::RepeatOne, "한 곡 반복", play_order::kRepeatOne, play_order::kNextWrap,
     play_order::kPreviousWrap},
    // Every play marks its song, whatever the mode: a round that ended would leave shuffle with
    // nothing to play after songs heard in order, so shuffle starts a new round instead.
    {PlayMode::Shuffle, "셔플", play_order::kShuffle, play_order::kShuffle, play_order::kPreviousWrap},
}};

inline const PlayModeInfo& playModeInfo(PlayMode mode) {
    return kPlayModes[static_cast<std::size_t>(mode)];
}

} // namespace kesto
