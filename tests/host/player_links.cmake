# Fails when the player links a library of the module or includes one of its headers: a host
# reaches the panel through include/kesto/ only. The in-process reference service is its own
# program and stays allowed, with the platform library it brings.
# cmake -DBUILD_DIR=<build tree> -DSOURCE_DIR=<source tree> -P player_links.cmake
set(module_libraries kesto_songs kesto_settings kesto_protocol kesto_library kesto_columns kesto_links
    kesto_listview kesto_webview kesto_module kesto_commands kesto_pages kesto_dialogs kesto_panel
    kesto_minimode kesto_entry kesto_platform_qt Kesto_List)

# The player's link line as the build runs it (Ninja, else Makefiles).
if(EXISTS "${BUILD_DIR}/build.ninja")
    file(STRINGS "${BUILD_DIR}/build.ninja" lines)
    set(in_player FALSE)
    foreach(line IN LISTS lines)
        if(line MATCHES "^build host/kesto-player:")
            set(in_player TRUE)
        elseif(in_player AND line MATCHES "^  LINK_LIBRARIES = (.*)")
            set(link_line "${CMAKE_MATCH_1}")
            break()
        elseif(in_player AND line MATCHES "^build ")
            break()
        endif()
    endforeach()
elseif(EXISTS "${BUILD_DIR}/host/CMakeFiles/kesto-player.dir/link.txt")
    file(READ "${BUILD_DIR}/host/CMakeFiles/kesto-player.dir/link.txt" link_line)
endif()
if(NOT link_line)
    message(FATAL_ERROR "no link line of kesto-player found in ${BUILD_DIR}")
endif()
if(NOT link_line MATCHES "libkesto_host_ui")
    message(FATAL_ERROR "the link line read is not the player's: ${link_line}")
endif()
foreach(library IN LISTS module_libraries)
    if(link_line MATCHES "[/ ]lib${library}\\.(a|so)")
        message(SEND_ERROR "kesto-player links the module's ${library}")
    endif()
endforeach()

# Sources: only the player's own headers, the public ones and the service's.
file(GLOB_RECURSE sources "${SOURCE_DIR}/host/*.cpp" "${SOURCE_DIR}/host/*.h")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"")
    foreach(include IN LISTS includes)
        if(NOT include MATCHES "^#include \"(host|include/kesto|service)/")
            message(SEND_ERROR "${source}: ${include} is inside the module")
        endif()
    endforeach()
endforeach()
