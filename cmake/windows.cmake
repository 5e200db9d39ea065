# The files a Windows program built here needs beside it: the Qt libraries, the Qt plugins (platform,
# pictures, styles) in the folders Qt looks for them in, and the runtime libraries of the compiler.
#
# They are copied into the build folder, where the launcher, the stand-in and the tests run (under
# wine on the build machine), and installed beside KLEMNet.exe for the zip a player unpacks into
# the game's folder.

# The compiler's own runtime libraries, as the compiler finds them.
set(klem_runtime_dlls)
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler does not know where ${name} is (${path}).")
    endif()
    list(APPEND klem_runtime_dlls ${path})
endforeach()

# Folder beside the program, and the plugins that go into it.
set(klem_plugins
    platforms Qt6::QWindowsIntegrationPlugin
    imageformats Qt6::QGifPlugin
    imageformats Qt6::QJpegPlugin
    imageformats Qt6::QICOPlugin
    styles Qt6::QWindowsVistaStylePlugin)

# Into the build folder: everything, the test library and the offscreen platform of the headless
# tests included.
set(klem_copies)
foreach(dll ${klem_runtime_dlls})
    list(APPEND klem_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${CMAKE_BINARY_DIR})
endforeach()
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Test)
    list(APPEND klem_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${library}>
         ${CMAKE_BINARY_DIR})
endforeach()
set(plugins ${klem_plugins} platforms Qt6::QOffscreenIntegrationPlugin)
while(plugins)
    list(POP_FRONT plugins folder plugin)
    list(APPEND klem_copies
         COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${folder}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}> ${CMAKE_BINARY_DIR}/${folder})
endwhile()
add_custom_target(klem_windows_runtime ALL ${klem_copies} COMMENT "Copying the Qt and runtime libraries")

# Beside KLEMNet.exe in the zip: what the launcher itself needs, no more.
install(FILES ${klem_runtime_dlls} $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
set(plugins ${klem_plugins})
while(plugins)
    list(POP_FRONT plugins folder plugin)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${folder})
endwhile()
