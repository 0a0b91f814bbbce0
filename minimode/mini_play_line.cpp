#include "minimode/mini_play_line.h"

#include <algorithm>
#include <cstdio>

namespace kesto {

namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

std::string clock(int seconds) {
    char text[32];
    if (seconds >= kHour)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / kHour, seconds / kMinute % kMinute,
                      seconds % kMinute);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", seconds / kMinute, seconds % kMinute);
    return text;
}

} // namespace

MiniPlayLine::MiniPlayLine(int state, int position, int length, int volume)
    : state_(state == kPlaying || state == kPaused ? state : kStopped), length_(std::max(length, 0)),
      volume_(std::clamp(volume, 0, kMaxVolume)) {
    position_ = std::clamp(position, 0, length_ > 0 ? length_ : std::max(position, 0));
}

std::string MiniPlayLine::timeText() const {
    if (!shown())
        return {};
    return length_ > 0 ? clock(position_) + " / " + clock(length_) : clock(position_);
}

int MiniPlayLine::playedFill() const {
    if (!shown() || length_ <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(position_) * kFull / length_);
}

} // namespace kesto
