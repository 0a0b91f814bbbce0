#pragma once
// Where everything of the mini play list sits for a window w wide and h high.

#include <optional>

namespace kesto {

struct MiniBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const MiniBox&) const = default;
};

class MiniLayout {
public:
    static constexpr int kMinWidth = 351;
    static constexpr int kMinHeight = 165;
    // Space the song column leaves to the other columns and the scroll bar.
    static constexpr int kSongColumnMargin = 110;
    // The painted headings line.
    static constexpr int kHeadingsTop = 25;
    static constexpr int kHeadingsBottom = 40;
    static constexpr int kTimeHeadingFromRight = 50;

    MiniLayout(int width, int height) : width_(width), height_(height) {}

    MiniBox list() const;
    int songColumnWidth() const;
    // A button of the window by control id; nothing for an id that is not one.
    std::optional<MiniBox> button(int controlId) const;
    MiniBox headings() const;
    // Left edge of the song heading and of the time heading.
    int songHeadingX() const;
    int timeHeadingX() const;
    MiniBox totalLine() const;

    // Where a button's popup opens, from the window's left edge and bottom edge.
    struct PopupOffset {
        int fromLeft;
        int aboveBottom;
    };
    static std::optional<PopupOffset> popupOffset(int controlId);

private:
    int width_;
    int height_;
};

} // namespace kesto
