# Helpers shared by every folder's CMakeLists.txt.

include(${CMAKE_CURRENT_LIST_DIR}/VelmoraPch.cmake)

option(VELMORA_UNITY_BUILD "Compile each library's sources in batches" ON)

# velmora_add_library(<target> [DEPS <targets>...] [EXCLUDE <files>...] [NO_UNITY])
# A static library made of every .cpp/.h/.ui file of the calling folder (not
# its subfolders, nor the EXCLUDE files), so adding a source file needs no
# CMake edit. The sources are compiled in batches of eight, so the Qt
# headers are parsed once a batch; NO_UNITY for a folder whose system
# headers define macros (X11) that would leak into the rest of a batch, or
# whose files keep many same-named helpers of their own.
function(velmora_add_library target)
    cmake_parse_arguments(ARG "NO_UNITY" "" "DEPS;EXCLUDE" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    foreach(_ex IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM _sources ${CMAKE_CURRENT_SOURCE_DIR}/${_ex})
    endforeach()
    # A generated source that names every file of the folder. It is rewritten
    # only when the list changes, and moc/uic take it as one of their inputs,
    # so they run again when a file is added (otherwise an existing build
    # folder keeps the old moc output). It also lets a folder whose code has
    # not been written yet link.
    set(_listing "// Sources of ${target}, generated.\n")
    foreach(_f IN LISTS _sources)
        file(RELATIVE_PATH _rel ${CMAKE_CURRENT_SOURCE_DIR} ${_f})
        string(APPEND _listing "// ${_rel}\n")
    endforeach()
    set(_filelist ${CMAKE_CURRENT_BINARY_DIR}/${target}_files.cpp)
    file(CONFIGURE OUTPUT ${_filelist} CONTENT "${_listing}")
    list(APPEND _sources ${_filelist})
    # The placeholder of earlier build folders.
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
    add_library(${target} STATIC ${_sources})
    if(VELMORA_UNITY_BUILD AND NOT ARG_NO_UNITY)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    endif()
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    velmora_use_pch(${target} ${ARG_DEPS})
endfunction()

# velmora_add_test(<name> SOURCES <files>... LABELS <labels>... [LIBS <targets>...]
#                  [XVFB] [RESOURCES] [BESIDE_PROGRAM] [TIMEOUT <seconds>])
# One Qt Test executable registered with CTest. Each test gets its own HOME
# and XDG folders under the build tree, so it never touches the user's data.
# XVFB runs it under an Xvfb of its own (real X11); otherwise the offscreen platform.
# RESOURCES links the resource tree (":/images/...").
# BESIDE_PROGRAM builds the test into the program's own folder, so it finds
# what the program reads beside itself (images/hidImages/) the same way.
function(velmora_add_test name)
    cmake_parse_arguments(ARG "XVFB;RESOURCES;BESIDE_PROGRAM" "TIMEOUT" "SOURCES;LABELS;LIBS" ${ARGN})
    if(NOT ARG_LABELS)
        message(FATAL_ERROR "velmora_add_test(${name}): LABELS is required")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt5::Test)
    if(ARG_RESOURCES)
        target_link_libraries(${name} PRIVATE velmora_resources)
    endif()
    velmora_use_pch(${name} ${ARG_LIBS} Qt5::Test)
    # A test's own code only drives the libraries, which keep their
    # optimisation; unoptimised, it compiles in about three quarters of the
    # time.
    target_compile_options(${name} PRIVATE -O0)
    if(ARG_BESIDE_PROGRAM)
        velmora_place_beside_program(${name})
    endif()
    set(_home ${CMAKE_BINARY_DIR}/test-home/${name})
    if(ARG_XVFB)
        find_program(XVFB_SERVER Xvfb)
        if(XVFB_SERVER)
            add_test(NAME ${name}
                COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-test.sh $<TARGET_FILE:${name}>)
        else()
            # The test itself skips what needs a display.
            add_test(NAME ${name} COMMAND ${name})
        endif()
        set(_platform "QT_QPA_PLATFORM=xcb")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set(_platform "QT_QPA_PLATFORM=offscreen")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    file(MAKE_DIRECTORY ${_home}/runtime)
    # Qt rejects a runtime folder that others may read.
    file(CHMOD ${_home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}"
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${_platform};HOME=${_home};XDG_DATA_HOME=${_home}/.local/share;XDG_CONFIG_HOME=${_home}/.config;XDG_CACHE_HOME=${_home}/.cache;XDG_RUNTIME_DIR=${_home}/runtime;VELMORA_SOURCE_DIR=${CMAKE_SOURCE_DIR};VELMORA_BINARY_DIR=${CMAKE_BINARY_DIR}")
    if(VELMORA_TSAN)
        # Known reports from inside the uninstrumented Qt libraries.
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
            "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp")
    endif()
    if(VELMORA_ASAN)
        # Leaks that system libraries keep until exit.
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
            "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
    endif()
endfunction()

# velmora_add_bench(<name> SOURCES <files>... [LIBS <targets>...] [BESIDE_PROGRAM])
# A benchmark executable: built by default, never registered with CTest.
# BESIDE_PROGRAM as for tests.
function(velmora_add_bench name)
    cmake_parse_arguments(ARG "BESIDE_PROGRAM" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    velmora_use_pch(${name} ${ARG_LIBS})
    if(ARG_BESIDE_PROGRAM)
        velmora_place_beside_program(${name})
    else()
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    endif()
endfunction()

# Builds an executable into the program's folder, with the keyboard pictures
# copied there before it runs.
function(velmora_place_beside_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMORA_RUNTIME_DIR})
    add_dependencies(${target} velmora_hid_images)
endfunction()

# velmora_test_hid_images(<test>...)
# The device tiles read their pictures from images/hidImages beside the
# executable: the calling folder's tests get a copy there.
function(velmora_test_hid_images)
    file(GLOB _pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/images/hidImages/*.png)
    set(_copied)
    foreach(_p IN LISTS _pictures)
        get_filename_component(_n ${_p} NAME)
        set(_out ${CMAKE_CURRENT_BINARY_DIR}/images/hidImages/${_n})
        add_custom_command(OUTPUT ${_out}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_p} ${_out}
            DEPENDS ${_p} VERBATIM)
        list(APPEND _copied ${_out})
    endforeach()
    set(_target ${ARGV0}_hid_images)
    add_custom_target(${_target} DEPENDS ${_copied})
    foreach(_test IN LISTS ARGN)
        add_dependencies(${_test} ${_target})
    endforeach()
endfunction()
