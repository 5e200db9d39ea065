# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, and the packages CPack makes of it.
#
# Only the launcher is installed, with what a desktop needs to show and describe it: desktop entry,
# icons, AppStream metadata, manual page, and the copyright, changelog and lintian overrides a
# Debian package carries. The stand-in game, the tests, the snapshot tool and the static libraries
# are build-folder helpers and have no install rules; nothing else in the tree may add any
# (scripts/package compares the packages with the exact list of files installed here).
#
# Packages are built from a Release configuration (scripts/package):
#   orbitron-launcher_VERSION_ARCH.deb          Debian package, files under /usr
#   orbitron-launcher-VERSION-SYSTEM.tar.gz     portable archive, bin/ and share/ in one folder
#   orbitron-launcher-VERSION-windows-x64.zip   Windows: KLEMNet.exe and its licence texts
include(GNUInstallDirs)

set(KLEM_APP_ID org.orbitron.KLEMNet)
set(KLEM_PACKAGE_NAME orbitron-launcher)
set(KLEM_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Directories created by the installation are world-readable whatever the umask of the person
# building; files get their own fixed modes from install().
set(KLEM_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${KLEM_DIRECTORY_PERMISSIONS})

if(WIN32)
    # One flat folder that unpacks into the game's folder, beside klemwin.exe: the program, and
    # the licence texts in a folder whose name no game's file has.
    install(TARGETS KLEMNet RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION KLEMNet-licences RENAME GPL-3.0.txt)
    install(FILES ${KLEM_PACKAGING_DIR}/windows/THIRD-PARTY-NOTICES.txt DESTINATION KLEMNet-licences)
else()
    install(TARGETS KLEMNet
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)
endif()

if(UNIX AND NOT APPLE)
    # With it the launcher starts a Windows game through Wine (found from bin/ as
    # ../libexec/orbitron-launcher/wine-start.exe). Wine needs no permission to execute it.
    if(TARGET wine_start) # built unless KLEM_WINDOWS_HELPERS leaves it out; packages require it
        install(FILES ${CMAKE_BINARY_DIR}/wine-start.exe
                DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/${KLEM_PACKAGE_NAME})
    endif()

    set(KLEM_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${KLEM_PACKAGE_NAME})

    install(FILES ${KLEM_PACKAGING_DIR}/${KLEM_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    foreach(size 32 48)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/klemnet-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${KLEM_APP_ID}.png)
    endforeach()
    install(FILES ${KLEM_PACKAGING_DIR}/${KLEM_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
    # The copyright names the licences of everything shipped; the GPL's own text is beside it,
    # since the portable archive goes to systems that keep no copy of it.
    install(FILES ${KLEM_PACKAGING_DIR}/copyright ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${KLEM_INSTALL_DOCDIR})
    install(FILES ${KLEM_PACKAGING_DIR}/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
            RENAME ${KLEM_PACKAGE_NAME})

    # Manual page and changelog are shipped compressed as Debian wants them: gzip's best
    # compression and no file name or time stamp in the header, so every build gives the same bytes.
    # The manual page names the project's version.
    find_program(KLEM_GZIP gzip REQUIRED)
    set(manual ${CMAKE_CURRENT_BINARY_DIR}/packaging/configured/KLEMNet.6)
    configure_file(${KLEM_PACKAGING_DIR}/KLEMNet.6.in ${manual} @ONLY)
    set(klem_compressed)
    foreach(source ${manual} ${KLEM_PACKAGING_DIR}/changelog)
        get_filename_component(name ${source} NAME)
        set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name})
        add_custom_command(OUTPUT ${out}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${out}
            COMMAND ${KLEM_GZIP} -9nf ${out}
            DEPENDS ${source}
            COMMENT "Compressing ${name}"
            VERBATIM)
        list(APPEND klem_compressed ${out}.gz)
    endforeach()
    add_custom_target(klem_packaging_docs ALL DEPENDS ${klem_compressed})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/KLEMNet.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
            DESTINATION ${KLEM_INSTALL_DOCDIR})
endif()

# ---- Packages ----------------------------------------------------------------------------------

set(CPACK_PACKAGE_NAME ${KLEM_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Orbitron team")
set(CPACK_PACKAGE_CONTACT "Orbitron team <team@orbitron.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher that sets up and starts a game of Orbitron")
# The description as it appears in the Debian package: lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "In one window the launcher sets up a game of Orbitron: play mode (single\n"
    "player, join or host a network game), character and colour, add-on files,\n"
    "display, sound, input and demo options, free extra parameters and the rules\n"
    "of a hosted game. Pressing RUN! composes one command line and starts the\n"
    "game, klemwin, with it.\n"
    "\n"
    "The game itself is not part of this package: the launcher looks for it\n"
    "beside itself, in the current folder and on the search path.")
set(CPACK_PACKAGE_FILE_NAME ${KLEM_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${KLEM_DIRECTORY_PERMISSIONS})
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB TGZ)
elseif(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME ${KLEM_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
    set(CPACK_GENERATOR TGZ)
endif()

# Debian package: installed under /usr; library dependencies computed by dpkg-shlibdeps from the
# binary. Qt loads its platform plugins at run time and draws text with whatever fonts fontconfig
# finds, so neither shows up among the linked libraries: the plugin package and the font the
# windows ask for first (Liberation Sans) are named here.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orbitron team <team@orbitron.invalid>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# The game is a Windows program: it runs through Wine. Qt's Wayland platform draws the windows
# natively in Wayland sessions; without it Qt uses X11 through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
