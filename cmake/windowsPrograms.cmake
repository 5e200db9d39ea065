# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Programs for Windows built with mingw-w64 beside the launcher on other systems: wine-start.exe,
# with which the launcher starts a Windows game through Wine, and the Windows stand-in game the
# tests start that way. Each is one source file, linked statically, so it needs no DLL beside it.
#
# KLEM_WINDOWS_HELPERS: ON needs the cross compiler, OFF leaves the programs out, AUTO (the
# default) builds them when the compiler is there and otherwise says in one line what is left out.
# Packages and CI set ON.
set(KLEM_WINDOWS_HELPERS AUTO CACHE STRING
    "Build wine-start.exe and the Windows stand-in game with mingw-w64: ON, OFF or AUTO")
set_property(CACHE KLEM_WINDOWS_HELPERS PROPERTY STRINGS ON OFF AUTO)
set(klem_left_out "wine-start.exe (Windows games through Wine), the Windows stand-in game and the tests that start them")
if(KLEM_WINDOWS_HELPERS STREQUAL "OFF")
    message(STATUS "Left out (KLEM_WINDOWS_HELPERS=OFF): ${klem_left_out}.")
    return()
endif()
find_program(KLEM_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT KLEM_MINGW_CXX)
    if(KLEM_WINDOWS_HELPERS STREQUAL "ON")
        message(FATAL_ERROR "x86_64-w64-mingw32-g++-posix was not found: install the package "
                            "g++-mingw-w64-x86-64-posix (scripts/install-deps does), or configure with "
                            "-DKLEM_WINDOWS_HELPERS=OFF.")
    endif()
    message(STATUS "Left out (no x86_64-w64-mingw32-g++-posix; install g++-mingw-w64-x86-64-posix to build "
                   "them): ${klem_left_out}.")
    return()
endif()

# klem_add_windows_program(TARGET OUTPUT SOURCE [COMPILER OPTIONS...])
function(klem_add_windows_program target output source)
    set(warnings -Wall -Wextra -Wpedantic $<$<BOOL:${KLEM_WERROR}>:-Werror>)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${KLEM_MINGW_CXX} -std=c++17 -O2 ${warnings} -municode -static -s ${ARGN} -o ${output} ${source}
        DEPENDS ${source}
        COMMENT "Building ${output} for Windows"
        VERBATIM COMMAND_EXPAND_LISTS)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
