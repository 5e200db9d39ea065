# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Programs for Windows built with mingw-w64 beside the launcher on other systems: wine-start.exe,
# with which the launcher starts a Windows game through Wine, and the Windows stand-in game the
# tests start that way. Each is one source file, linked statically, so it needs no DLL beside it.
find_program(KLEM_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT KLEM_MINGW_CXX)
    message(FATAL_ERROR "x86_64-w64-mingw32-g++-posix was not found: install the package "
                        "g++-mingw-w64-x86-64-posix (scripts/install-deps does).")
endif()

# klem_add_windows_program(TARGET OUTPUT SOURCE [COMPILER OPTIONS...])
function(klem_add_windows_program target output source)
    set(warnings -Wall -Wextra -Wpedantic $<$<BOOL:${KLEM_WERROR}>:-Werror>)
    add_custom_command(OUTPUT ${output}
        COMMAND ${KLEM_MINGW_CXX} -std=c++17 -O2 ${warnings} -municode -static -s ${ARGN} -o ${output} ${source}
        DEPENDS ${source}
        COMMENT "Building ${output} for Windows"
        VERBATIM COMMAND_EXPAND_LISTS)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
