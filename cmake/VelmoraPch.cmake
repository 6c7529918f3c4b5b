# Precompiled headers: the Qt headers nearly every file includes are parsed
# once per set of Qt modules instead of once per source file.
#
# A precompiled header only fits sources compiled with the same options and
# the same Qt module macros (QtTest's headers look at QT_WIDGETS_LIB,
# QT_GUI_LIB and QT_NETWORK_LIB). So one small donor target is made per set
# of modules, and every target with that set reuses the donor's header. GCC falls back to the plain headers when a
# header does not fit, so a mismatch only costs time.
#
# Off by default until a whole clean build has shown the gain: each file
# still loads a ~100 MB header, which costs about as much as parsing the few
# Qt headers a typical file includes. Keep it off with a compiler launcher
# (ccache): ccache then hashes a build folder's own header, and objects could
# no longer be shared between build folders.
option(VELMORA_PCH "Precompile the common Qt headers (not with ccache)" OFF)
if(VELMORA_PCH AND CMAKE_CXX_COMPILER_LAUNCHER)
    message(WARNING "VELMORA_PCH with a compiler launcher: set CCACHE_SLOPPINESS=pch_defines,time_macros")
endif()
if(VELMORA_PCH)
    # libpulse's flags define _REENTRANT for everything above the platform
    # library; defined everywhere (glibc ignores it), one header fits all.
    add_compile_definitions(_REENTRANT)
endif()

set(VELMORA_PCH_STD_HEADERS <algorithm> <array> <atomic> <cstring> <functional> <memory> <mutex> <vector>)
set(VELMORA_PCH_CORE_HEADERS <QByteArray> <QDebug> <QDir> <QFile> <QList> <QMap> <QObject> <QPointer>
    <QString> <QStringList> <QTimer> <QVariant>)
set(VELMORA_PCH_NETWORK_HEADERS)
set(VELMORA_PCH_GUI_HEADERS <QColor> <QImage> <QMouseEvent> <QPainter> <QPixmap>)
set(VELMORA_PCH_WIDGETS_HEADERS <QApplication> <QLabel> <QPushButton> <QVBoxLayout> <QWidget>)
set(VELMORA_PCH_TEST_HEADERS <QSignalSpy> <QTemporaryDir> <QtTest>)

# The Qt modules a target's link list reaches, directly or through our
# libraries (their INTERFACE_LINK_LIBRARIES).
function(_velmora_qt_modules out)
    set(_seen)
    set(_modules)
    set(_todo ${ARGN})
    while(_todo)
        list(POP_FRONT _todo _item)
        if(NOT TARGET ${_item} OR _item IN_LIST _seen)
            continue()
        endif()
        list(APPEND _seen ${_item})
        if(_item MATCHES "^Qt5::(.+)$")
            list(APPEND _modules ${CMAKE_MATCH_1})
        endif()
        get_target_property(_type ${_item} TYPE)
        get_target_property(_deps ${_item} INTERFACE_LINK_LIBRARIES)
        if(_deps)
            list(APPEND _todo ${_deps})
        endif()
        if(NOT _type STREQUAL "INTERFACE_LIBRARY" AND NOT _item MATCHES "::")
            get_target_property(_deps ${_item} LINK_LIBRARIES)
            if(_deps)
                list(APPEND _todo ${_deps})
            endif()
        endif()
    endwhile()
    set(${out} ${_modules} PARENT_SCOPE)
endfunction()

# velmora_use_pch(<target> <linked targets>...)
# Gives <target> the precompiled header of its Qt modules. Executables are
# compiled position independent too (Qt asks for it), so a static library
# donor serves both.
function(velmora_use_pch target)
    if(NOT VELMORA_PCH)
        return()
    endif()
    _velmora_qt_modules(_modules ${ARGN})
    get_target_property(_type ${target} TYPE)
    # A Qt-less target, or a lone Core-only program, has nothing to share.
    if(NOT Core IN_LIST _modules OR (_type STREQUAL "EXECUTABLE" AND NOT Gui IN_LIST _modules
            AND NOT Test IN_LIST _modules))
        return()
    endif()
    # Only QtTest's headers look at QT_NETWORK_LIB.
    if(NOT Test IN_LIST _modules)
        list(REMOVE_ITEM _modules Network)
    endif()
    set(_key)
    set(_libs Qt5::Core)
    set(_headers ${VELMORA_PCH_STD_HEADERS} ${VELMORA_PCH_CORE_HEADERS})
    foreach(_m Gui Widgets Network Test)
        if(_m IN_LIST _modules)
            string(TOLOWER ${_m} _lower)
            string(TOUPPER ${_m} _upper)
            string(APPEND _key _${_lower})
            list(APPEND _libs Qt5::${_m})
            list(APPEND _headers ${VELMORA_PCH_${_upper}_HEADERS})
        endif()
    endforeach()
    set(_donor velmora_pch_core${_key})
    if(NOT TARGET ${_donor})
        set(_src ${CMAKE_BINARY_DIR}/pch/${_donor}.cpp)
        file(CONFIGURE OUTPUT ${_src} CONTENT "// Only here to carry the precompiled header.\n")
        add_library(${_donor} STATIC EXCLUDE_FROM_ALL ${_src})
        set_target_properties(${_donor} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
        target_link_libraries(${_donor} PRIVATE ${_libs})
        target_precompile_headers(${_donor} PRIVATE ${_headers})
    endif()
    target_precompile_headers(${target} REUSE_FROM ${_donor})
    if(_type STREQUAL "EXECUTABLE")
        # A test's moc output is usually included by its own source, which
        # leaves this file empty: loading the header would cost more than it
        # saves.
        get_target_property(_bindir ${target} BINARY_DIR)
        set_source_files_properties(${_bindir}/${target}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endfunction()
