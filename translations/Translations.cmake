# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's texts in every language of translations/languages, through Qt Linguist:
#   cmake --build BUILD --target update_translations   lupdate: new and changed texts
#                                                      into the .ts files (for Linguist)
#   (every build)                                      lrelease: the .qm catalogues, built
#                                                      into the program under :/i18n
# lupdate reads the C++ of every layer (the Qt-free ones mark their texts with VT_NOOP, an
# alias of QT_TRANSLATE_NOOP) and the blocks of the guide (help/guide.md), which
# scripts/guide-texts.py writes out as C++ for it.

find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The .ts files, one per line of translations/languages.
function(veltrum_translation_files out)
    set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 "${PROJECT_SOURCE_DIR}/translations/languages")
    file(STRINGS "${PROJECT_SOURCE_DIR}/translations/languages" lines)
    set(files "")
    foreach(line IN LISTS lines)
        string(STRIP "${line}" code)
        if(code STREQUAL "" OR code MATCHES "^#")
            continue()
        endif()
        list(APPEND files "${PROJECT_SOURCE_DIR}/translations/veltrum_${code}.ts")
    endforeach()
    set(${out} "${files}" PARENT_SCOPE)
endfunction()

set(VELTRUM_LUPDATE_OPTIONS
    -tr-function-alias QT_TRANSLATE_NOOP+=VT_NOOP
    -source-language ru_RU -locations none -no-obsolete -silent)

function(veltrum_add_translations target)
    veltrum_translation_files(ts_files)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         LIST_DIRECTORIES false
         "${PROJECT_SOURCE_DIR}/i18n/*.cpp" "${PROJECT_SOURCE_DIR}/i18n/*.h"
         "${PROJECT_SOURCE_DIR}/model/*.cpp" "${PROJECT_SOURCE_DIR}/model/*.h"
         "${PROJECT_SOURCE_DIR}/views/*.cpp" "${PROJECT_SOURCE_DIR}/views/*.h"
         "${PROJECT_SOURCE_DIR}/front/*.cpp" "${PROJECT_SOURCE_DIR}/front/*.h"
         "${PROJECT_SOURCE_DIR}/canvas/*.cpp" "${PROJECT_SOURCE_DIR}/canvas/*.h"
         "${PROJECT_SOURCE_DIR}/ui/*.cpp" "${PROJECT_SOURCE_DIR}/ui/*.h"
         "${PROJECT_SOURCE_DIR}/app/*.cpp" "${PROJECT_SOURCE_DIR}/app/*.h"
         "${PROJECT_SOURCE_DIR}/web/core/*.cpp")
    list(SORT sources)

    set(guide "${PROJECT_SOURCE_DIR}/help/guide.md")
    set(guide_texts "${PROJECT_BINARY_DIR}/translations/GuideTexts.cpp")
    add_custom_command(OUTPUT "${guide_texts}"
        COMMAND Python3::Interpreter -B "${PROJECT_SOURCE_DIR}/scripts/guide-texts.py"
                "${guide}" "${guide_texts}"
        DEPENDS "${guide}" "${PROJECT_SOURCE_DIR}/scripts/guide-texts.py"
                "${PROJECT_SOURCE_DIR}/scripts/veltrum_guide.py"
        COMMENT "The guide's blocks for lupdate"
        VERBATIM)
    add_custom_target(veltrum_guide_texts ALL DEPENDS "${guide_texts}")
    list(APPEND sources "${guide_texts}")

    qt_add_translations(${target}
        TS_FILES ${ts_files}
        SOURCES ${sources}
        INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}"
        LUPDATE_OPTIONS ${VELTRUM_LUPDATE_OPTIONS}
        LRELEASE_OPTIONS -silent)
    add_dependencies(${target}_lupdate veltrum_guide_texts)

    # For the test that every text has its translation: what lupdate reads.
    string(REPLACE ";" "\n" listed "${sources}")
    file(WRITE "${PROJECT_BINARY_DIR}/translations/sources.lst" "${listed}\n")
endfunction()
