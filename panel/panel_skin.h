#pragma once
// Image ids the panel asks the skin table for at creation: one per button (its control id)
// and the background.

namespace kesto::skin {

inline constexpr int kBackgroundImage = 1000;
// The buttons sit in two rows beside the search box; sizes in pixels.
inline constexpr int kButtonsPerRow = 11;
inline constexpr int kButtonWidth = 64;
inline constexpr int kButtonHeight = 24;
inline constexpr int kButtonGap = 3;
inline constexpr int kButtonBarHeight = 2 * (kButtonHeight + kButtonGap) + kButtonGap;
inline constexpr int kSearchBoxWidth = 140;
inline constexpr int kPromotionHeight = 20;

} // namespace kesto::skin
