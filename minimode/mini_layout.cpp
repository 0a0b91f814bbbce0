#include "minimode/mini_layout.h"

#include "minimode/mini_ids.h"

namespace kesto {

namespace {

constexpr int kListLeft = 7;
constexpr int kListTop = 44;
constexpr int kListWidthMargin = 16;
constexpr int kListHeightMargin = 102;
constexpr int kButtonWidth = 52;
constexpr int kWideButtonWidth = 71;
constexpr int kButtonHeight = 24;
constexpr int kButtonsAboveBottom = 30;
constexpr int kWideButtonFromRight = 128;
constexpr int kLastButtonFromRight = 57;
constexpr int kCloseFromRight = 22;
constexpr int kCloseTop = 3;
constexpr int kCloseWidth = 14;
constexpr int kCloseHeight = 13;
constexpr int kCheckBoxSize = 13;
// The check column and the hidden number column before the song column.
constexpr int kCheckColumnWidth = 15;
constexpr int kTotalAboveBottom = 54;
constexpr int kTotalHeight = 18;

} // namespace

MiniBox MiniLayout::list() const {
    return {kListLeft, kListTop, width_ - kListWidthMargin, height_ - kListHeightMargin};
}

int MiniLayout::songColumnWidth() const {
    return list().width - kSongColumnMargin;
}

std::optional<MiniBox> MiniLayout::button(int controlId) const {
    const int row = height_ - kButtonsAboveBottom;
    switch (controlId) {
    case mini::kAddButton:
        return MiniBox{6, row, kButtonWidth, kButtonHeight};
    case mini::kDeleteButton:
        return MiniBox{58, row, kButtonWidth, kButtonHeight};
    case mini::kPutButton:
        return MiniBox{110, row, kButtonWidth, kButtonHeight};
    case mini::kGiftButton:
        return MiniBox{162, row, kButtonWidth, kButtonHeight};
    case mini::kListenButton:
        return MiniBox{width_ - kWideButtonFromRight, row, kWideButtonWidth, kButtonHeight};
    case mini::kDownloadButton:
        return MiniBox{width_ - kLastButtonFromRight, row, kButtonWidth, kButtonHeight};
    case mini::kCloseButton:
        return MiniBox{width_ - kCloseFromRight, kCloseTop, kCloseWidth, kCloseHeight};
    case mini::kCheckAllButton:
        // Over the list's check column, in the headings line.
        return MiniBox{kListLeft + 1, kHeadingsTop + 1, kCheckBoxSize, kCheckBoxSize};
    default:
        return std::nullopt;
    }
}

MiniBox MiniLayout::headings() const {
    return {0, kHeadingsTop, width_, kHeadingsBottom - kHeadingsTop};
}

int MiniLayout::songHeadingX() const {
    return kListLeft + kCheckColumnWidth + 4;
}

int MiniLayout::timeHeadingX() const {
    return width_ - kTimeHeadingFromRight;
}

MiniBox MiniLayout::totalLine() const {
    return {kListLeft, height_ - kTotalAboveBottom, list().width, kTotalHeight};
}

std::optional<MiniLayout::PopupOffset> MiniLayout::popupOffset(int controlId) {
    switch (controlId) {
    case mini::kAddButton:
        return PopupOffset{58, 106};
    case mini::kDeleteButton:
        return PopupOffset{110, 70};
    case mini::kPutButton:
        return PopupOffset{162, 88};
    default:
        return std::nullopt;
    }
}

} // namespace kesto
