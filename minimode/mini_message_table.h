#pragma once
// The mini list window's table from message and command to the part and method it reaches;
// the row a message carries is read out of its words here and nowhere else.

#include "pages/message_shapes.h"

namespace kesto {

class MiniPlayList;
class MiniSongPages;
class SongListView;

struct MiniParts {
    MiniPlayList& list;
    MiniSongPages& pages;
    SongListView& control;
};

class MiniMessageTable {
public:
    // Runs the method of a message of the window; false when the table has none.
    static bool dispatch(MiniParts& parts, unsigned message, MessageWords words);
    // A button, key or popup command of the mini list.
    static void command(MiniParts& parts, int id);
};

} // namespace kesto
