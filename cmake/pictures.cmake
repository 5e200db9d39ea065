# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# klem_add_pictures(TARGET PICTURE...): pictures of resources/pictures/ into TARGET's resources,
# at ":/pictures/NAME", each with its twin at twice the size ("name@2x.ext"), for screens with two
# device pixels per pixel: Qt picks those for icons itself, ui::picture() for the rest.
# (qt_add_resources on the library, not a .qrc among its sources: a static library would lose it.)
function(klem_add_pictures target)
    set(files)
    foreach(picture IN LISTS ARGN)
        string(REGEX REPLACE "\\.([a-z]+)$" "@2x.\\1" twin "${picture}")
        list(APPEND files ${PROJECT_SOURCE_DIR}/resources/pictures/${picture}
                          ${PROJECT_SOURCE_DIR}/resources/pictures/${twin})
    endforeach()
    qt_add_resources(${target} ${target}_pictures PREFIX / BASE ${PROJECT_SOURCE_DIR}/resources FILES ${files})
endfunction()
