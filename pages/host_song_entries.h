#pragma once
// Entries by which the host hands songs to the panel outside its pages: local files to play
// (entry 43), a local file for a local album (entry 49), the files of a device list (entry 51),
// and the notice of a song the service stopped (entry 41).

#include "commands/command_context.h"

#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class PanelModel;
struct SongRecord;

class HostSongEntries {
public:
    // Entry 51's text: one file per line ('\n'); per line, fields cut at VT (0x0B): device path,
    // title, artist, size in bytes, play time in seconds, source kind (non-zero: a file the
    // device keeps apart, sent to the host's delete with "*"). Missing fields read as empty or 0.
    static constexpr char kLineSeparator = '\n';
    static constexpr char kFieldSeparator = '\x0B';
    // Entry 51's value: 1 replaces the store's songs, any other non-zero value appends.
    static constexpr int kReplace = 1;

    explicit HostSongEntries(PanelModel& model) : model_(model) {}

    static bool isDeviceList(int menuId);
    static bool isLocalAlbum(int menuId);

    // Records of the local files that can be read; others are left out.
    std::vector<Song> localRecords(const std::vector<std::string>& paths) const;
    // Entry 68: the host's fixed record filled from a local file; 0 when there is no path or
    // record, or the file cannot be read.
    int fillRecord(std::string_view path, SongRecord* record) const;
    // Entry 43: into the now-playing store as the listen command puts songs, then 1133.
    void play(CommandContext& context, const std::vector<std::string>& paths) const;
    // Entry 49: path into the local album albumId (the shown album when empty). The database
    // is asked first; a file it holds already is not inserted again. True when the shown list
    // took the record (the caller redraws it).
    bool addToLocalAlbum(std::string_view path, std::string_view albumId) const;
    // Entry 51: fills the second store; the page state then knows it holds device files.
    void fillDeviceList(std::string_view text, int value) const;
    // Entry 41: a box with the notice (information icon).
    static void stoppedByService(MessageBox* box);

private:
    PanelModel& model_;
};

} // namespace kesto
