# What `cmake --install` puts where, and the Debian package `cpack -G DEB` makes of it:
# the module, its public headers with a pkg-config file and a CMake package for hosts, the
# reference player with its desktop entry and icon, and the reference service.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KESTO_CMAKE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/KestoPanel)

# The headers a host compiles against; the module itself is loaded with dlopen.
add_library(kesto_panel_api INTERFACE)
target_include_directories(kesto_panel_api INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(kesto_panel_api PROPERTIES EXPORT_NAME PanelApi)
install(TARGETS kesto_panel_api EXPORT KestoPanelTargets)
install(FILES include/kesto/panel_api.h include/kesto/window_message.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kesto COMPONENT dev)
install(EXPORT KestoPanelTargets NAMESPACE Kesto:: DESTINATION ${KESTO_CMAKE_PACKAGE_DIR} COMPONENT dev)

configure_package_config_file(cmake/KestoPanelConfig.cmake.in ${PROJECT_BINARY_DIR}/KestoPanelConfig.cmake
                              INSTALL_DESTINATION ${KESTO_CMAKE_PACKAGE_DIR}
                              PATH_VARS CMAKE_INSTALL_INCLUDEDIR CMAKE_INSTALL_LIBDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KestoPanelConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KestoPanelConfig.cmake ${PROJECT_BINARY_DIR}/KestoPanelConfigVersion.cmake
        DESTINATION ${KESTO_CMAKE_PACKAGE_DIR} COMPONENT dev)

# Hosts load the module with dlopen.
set(KESTO_PC_DL_LIBS "")
foreach(lib IN LISTS CMAKE_DL_LIBS)
    string(APPEND KESTO_PC_DL_LIBS " -l${lib}")
endforeach()
string(STRIP "${KESTO_PC_DL_LIBS}" KESTO_PC_DL_LIBS)
# The file names its prefix relative to itself, so that it holds under any install prefix.
file(RELATIVE_PATH KESTO_PC_PREFIX_FROM_FILE /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" KESTO_PC_PREFIX_FROM_FILE "${KESTO_PC_PREFIX_FROM_FILE}")
configure_file(cmake/kesto-panel.pc.in ${PROJECT_BINARY_DIR}/kesto-panel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kesto-panel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

if(TARGET Kesto_List)
    install(TARGETS Kesto_List LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime)
endif()
if(TARGET kesto-player)
    # The installed player finds the installed module beside it.
    target_compile_definitions(kesto-player PRIVATE KESTO_INSTALL_LIBDIR="${CMAKE_INSTALL_LIBDIR}")
    install(TARGETS kesto-player RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
    install(FILES host/kesto-player.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
    install(FILES host/kesto-player.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            COMPONENT runtime)
endif()
if(TARGET kesto-service)
    install(TARGETS kesto-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
endif()

# cpack -G DEB
set(CPACK_PACKAGE_NAME kesto-panel)
set(CPACK_PACKAGE_VENDOR "Kesto")
set(CPACK_PACKAGE_CONTACT "Kesto developers <dev@kesto.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kesto list panel module with its reference player and store service")
set(CPACK_PACKAGE_DESCRIPTION
    "The song list panel of the Kesto music store client (libKesto_List.so), the C header and\n"
    "pkg-config and CMake files hosts build against, the reference player kesto-player and the\n"
    "reference store service kesto-service.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kesto.invalid/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
