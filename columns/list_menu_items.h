#pragma once
// The items of the song list's popup menus by resource name (the names the page rules give),
// in order: command ids and their texts (UTF-8); id 0 is a separator.

#include <string_view>
#include <vector>

namespace kesto {

struct ListMenuItem {
    int id; // 0: separator
    const char* textUtf8;
};

class ListMenuItems {
public:
    // Empty for an unknown name.
    static std::vector<ListMenuItem> of(std::string_view name);
    // Whether the menu of that name has an item with this command id.
    static bool offers(std::string_view name, int commandId);
};

} // namespace kesto
