# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a fresh folder, then check that the program, its desktop entry and
# its icon are where desktops look for them, and that the entry says what it should.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(entry "${PREFIX}/share/applications/org.veltrum.Veltrum.desktop")
foreach(installed
        "${PREFIX}/bin/veltrum"
        "${entry}"
        "${PREFIX}/share/icons/hicolor/scalable/apps/org.veltrum.Veltrum.svg")
    if(NOT EXISTS "${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()

file(READ "${entry}" text)
foreach(line
        "Type=Application"
        "Exec=veltrum"
        "Icon=org.veltrum.Veltrum"
        "Categories=Education;Physics;Qt;"
        "Name=Veltrum"
        "Name[ru]=")
    string(FIND "${text}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks «${line}»")
    endif()
endforeach()

find_program(validate desktop-file-validate)
if(validate)
    execute_process(COMMAND "${validate}" "${entry}" RESULT_VARIABLE status
                    OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate: ${said}")
    endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
