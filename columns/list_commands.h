#pragma once
// What each context menu command of the song list does.

namespace kesto {

struct ListCommand {
    enum class Action {
        None,
        Post, // post message with wParam 0
        CheckAll,
        UncheckAll,
        InvertChecks,
        PutInto,  // hand the selected records to the owner
        LoadList, // 1232 to the host side window, then the owner's load
        ClearNowPlaying,
        AutoSizeColumn,
        AutoSizeAll,
        Forward, // to the owner: the mini list's commands, the panel list's cut, copy and paste
    };
    enum class Row { None, FocusedOrFirst, First };

    Action action = Action::None;
    unsigned message = 0;
    Row lParam = Row::None;
    int which = 0; // LoadList: 1 play list, 2 my album
};

class ListCommands {
public:
    static ListCommand lookup(int commandId, bool miniList);
};

} // namespace kesto
