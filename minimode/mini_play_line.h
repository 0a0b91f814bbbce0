#pragma once
// What the host tells the mini play list of the song it plays (entry 35): play state,
// position and length in seconds, volume in percent, each kept in range, with what the window
// draws of them: the time line and how far the position and volume bars are filled.

#include <string>

namespace kesto {

class MiniPlayLine {
public:
    enum State { kStopped = 0, kPlaying = 1, kPaused = 2 };
    static constexpr int kMaxVolume = 100;
    // Fill of a bar, in thousandths.
    static constexpr int kFull = 1000;

    MiniPlayLine() = default;
    // An unknown state counts as stopped; the position stays within the length.
    MiniPlayLine(int state, int position, int length, int volume);

    int state() const { return state_; }
    int position() const { return position_; }
    int length() const { return length_; }
    int volume() const { return volume_; }
    // Nothing is drawn while stopped.
    bool shown() const { return state_ != kStopped; }
    // "01:23 / 04:56", with hours ("1:02:03") from one hour on; empty while stopped.
    std::string timeText() const;
    int playedFill() const;
    int volumeFill() const { return volume_ * kFull / kMaxVolume; }

private:
    int state_ = kStopped;
    int position_ = 0;
    int length_ = 0;
    int volume_ = 0;
};

} // namespace kesto
