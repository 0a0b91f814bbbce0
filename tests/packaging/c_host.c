/* A host written in C, built against the installed header only: it reads song records and the
 * now-playing list in the public layout and loads the installed module. */
#include <kesto/panel_api.h>

#include <dlfcn.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

static int fail(const char* what) {
    fprintf(stderr, "c_host: %s\n", what);
    return 1;
}

int main(int argc, char** argv) {
    KestoSongRecord records[2];
    KestoSongList list;
    KestoGetPanelInfoFn getPanelInfo;
    void* module;
    void* symbol;

    if (argc != 2)
        return fail("usage: c_host MODULE");
    if (sizeof(KestoSongRecord) != KESTO_SONG_RECORD_SIZE)
        return fail("the record's size differs from KESTO_SONG_RECORD_SIZE");
    if (offsetof(KestoSongRecord, Song_Name) != 21 || sizeof(records[0].Local_Path) != 260)
        return fail("unexpected field layout");

    /* Walk a list as entry 12 hands it over. */
    memset(records, 0, sizeof records);
    strncpy(records[1].Song_ID, "30012", sizeof records[1].Song_ID - 1);
    records[1].Play_Time = 215;
    list.count = 2;
    list.current = 1;
    list.records = records;
    if (strcmp(list.records[list.current].Song_ID, "30012") != 0 || list.records[1].Play_Time != 215)
        return fail("cannot walk the list");

    module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (module == NULL)
        return fail(dlerror());
    symbol = dlsym(module, "Song_GetPanelInfo");
    if (symbol == NULL)
        return fail("Song_GetPanelInfo is not exported");
    memcpy(&getPanelInfo, &symbol, sizeof getPanelInfo);
    if (getPanelInfo(NULL) != NULL)
        return fail("the module accepted a null host window");
    printf("c_host: %d entries, record of %d bytes\n", (int)KESTO_ENTRY_COUNT, (int)sizeof(KestoSongRecord));
    return 0;
}
