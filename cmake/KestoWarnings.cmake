# Warnings for the project's own targets; call kesto_warnings(target) on each.
function(kesto_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Wold-style-cast -Wcast-align -Wformat=2 -Wimplicit-fallthrough)
    if(KESTO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Adds a GoogleTest executable and registers its cases with CTest.
function(kesto_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    kesto_warnings(${name})
    set(labels ${ARG_LABELS})
    if(NOT labels)
        set(labels core)
    endif()
    # Discovered tests cannot carry a label list (it is split on the way), so the labels are
    # joined into one; ctest -L takes a regular expression, so -L core and -L threads both match.
    list(JOIN labels "+" label)
    gtest_discover_tests(${name} PROPERTIES LABELS ${label} DISCOVERY_TIMEOUT 60)
endfunction()

# Adds a benchmark executable (never run as a test).
function(kesto_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
endfunction()

# A fuzz target: always built as a replay program whose seed corpus runs as a regular test;
# with KESTO_WITH_FUZZ (clang) also built as a libFuzzer binary.
function(kesto_fuzzer name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
    target_include_directories(${name}_replay PRIVATE ${PROJECT_SOURCE_DIR})
    kesto_warnings(${name}_replay)
    add_test(NAME ${name}_corpus COMMAND ${name}_replay ${ARG_CORPUS})
    set_tests_properties(${name}_corpus PROPERTIES LABELS "core;fuzz")
    if(KESTO_WITH_FUZZ)
        add_executable(${name} ${ARG_SOURCES})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS})
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
        # A short run from the seed corpus and what campaigns kept (scripts/fuzz-campaign uses
        # the same folders), so that a shallow finding fails the build and not only a campaign.
        set(kept ${CMAKE_BINARY_DIR}/corpus/${name})
        set(findings ${CMAKE_BINARY_DIR}/findings/${name})
        file(MAKE_DIRECTORY ${kept} ${findings})
        add_test(NAME ${name}_fuzzing
                 COMMAND ${name} -max_total_time=${KESTO_FUZZ_SECONDS} -timeout=${KESTO_FUZZ_INPUT_SECONDS}
                         -artifact_prefix=${findings}/ ${kept} ${ARG_CORPUS})
        math(EXPR limit "${KESTO_FUZZ_SECONDS} * 4 + 60")
        set_tests_properties(${name}_fuzzing PROPERTIES LABELS fuzzing TIMEOUT ${limit}
                             ENVIRONMENT "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
        if(NOT TARGET kesto_fuzzers)
            add_custom_target(kesto_fuzzers)
        endif()
        add_dependencies(kesto_fuzzers ${name})
    endif()
endfunction()
