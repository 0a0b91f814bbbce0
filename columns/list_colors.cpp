#include "columns/list_colors.h"

namespace kesto {

ListColors ListColors::forSkin(int skinType, bool miniList, Rgb baseText) {
    ListColors c;
    if (!miniList) {
        c.evenBackground = rgb(247, 247, 247);
        c.oddBackground = rgb(255, 255, 255);
        c.selectionText = skinType == 1 ? rgb(0, 141, 190) : rgb(0, 128, 0);
        c.normalText = baseText;
        c.currentText = rgb(255, 139, 0);
        c.greyText = rgb(177, 177, 177);
        return c;
    }
    const bool first = skinType == 1;
    c.evenBackground = first ? rgb(8, 45, 88) : rgb(60, 107, 8);
    c.oddBackground = c.evenBackground;
    c.selectionText = rgb(255, 255, 255);
    c.normalText = first ? rgb(149, 224, 250) : rgb(211, 255, 157);
    c.currentText = first ? rgb(1, 124, 253) : rgb(74, 253, 4);
    c.greyText = first ? rgb(0, 17, 35) : rgb(37, 71, 0);
    return c;
}

Rgb ListColors::text(bool selected, bool current, bool grey) const {
    if (grey)
        return greyText;
    if (current)
        return currentText;
    return selected ? selectionText : normalText;
}

Rgb ListColors::rankColor(RankTrend trend) {
    switch (trend) {
    case RankTrend::New:
    case RankTrend::Same:
        return rgb(230, 103, 9);
    case RankTrend::Up:
        return rgb(239, 84, 53);
    case RankTrend::Down:
        return rgb(11, 143, 206);
    case RankTrend::None:
        break;
    }
    return 0;
}

} // namespace kesto
