/* A host written in C, built against the installed header only: it loads the installed
 * module. */
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
    KestoGetPanelInfoFn getPanelInfo;
    void* module;
    void* symbol;

    if (argc != 2)
        return fail("usage: c_host MODULE");

    module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (module == NULL)
        return fail(dlerror());
    symbol = dlsym(module, "Song_GetPanelInfo");
    if (symbol == NULL)
        return fail("Song_GetPanelInfo is not exported");
    memcpy(&getPanelInfo, &symbol, sizeof getPanelInfo);
    if (getPanelInfo(NULL) != NULL)
        return fail("the module accepted a null host window");
    printf("c_host: %d entries\n", (int)KESTO_ENTRY_COUNT);
    return 0;
}
