# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# GoogleTest compiled from its sources with the project's own compiler. A cross build cannot use
# the system's prebuilt GoogleTest (it is built for the build machine), so it compiles the
# sources that Debian's "googletest" package puts in /usr/src/googletest. Nothing is downloaded.
# GoogleTest's own build provides the targets GTest::gtest and GTest::gtest_main, as
# find_package(GTest) does.
set(KLEM_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${KLEM_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${KLEM_GTEST_SOURCE_DIR}: install the package googletest "
                        "or set KLEM_GTEST_SOURCE_DIR.")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KLEM_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
