# The content generator and the assembly of game/sources.
#
# velmarch-content paints the pictures and synthesises the sounds into game/sources; the
# hand-written levels and texts and the display font are copied beside them. Nothing here
# touches game/sources/Data, where the player's name and highscores live.

set(VELMARCH_CONTENT_TOOL_SOURCES
    tools/content/AudioFile.cpp
    tools/content/BitmapFont.cpp
    tools/content/Instruments.cpp
    tools/content/Music.cpp
    tools/content/PaintEffects.cpp
    tools/content/PaintFigures.cpp
    tools/content/PaintIcon.cpp
    tools/content/PaintScenes.cpp
    tools/content/PaintSymbols.cpp
    tools/content/PaintTextures.cpp
    tools/content/Pictures.cpp
    tools/content/Raster.cpp
    tools/content/Sheet.cpp
    tools/content/Sounds.cpp
    tools/content/Synth.cpp
    tools/content/main.cpp
)
add_executable(velmarch-content ${VELMARCH_CONTENT_TOOL_SOURCES})
target_include_directories(velmarch-content PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(velmarch-content PRIVATE -Wall -Wextra)
# Painting is slow unoptimised; the generator runs in every build, so it is always optimised.
if(NOT CMAKE_BUILD_TYPE MATCHES "Rel")
    target_compile_options(velmarch-content PRIVATE -O2)
endif()
target_link_libraries(velmarch-content PRIVATE sfml-graphics sfml-audio sfml-system)

set(VELMARCH_CONTENT_STAMP ${CMAKE_BINARY_DIR}/content/generated.stamp)
add_custom_command(
    OUTPUT ${VELMARCH_CONTENT_STAMP}
    COMMAND velmarch-content ${VELMARCH_GAME_DIR}/sources
    # Ninja makes the stamp's folder itself, Make does not.
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/content
    COMMAND ${CMAKE_COMMAND} -E touch ${VELMARCH_CONTENT_STAMP}
    DEPENDS velmarch-content
    COMMENT "Painting pictures and synthesising sounds into game/sources"
    VERBATIM)

# Hand-written content, copied as it is.
set(VELMARCH_HANDWRITTEN_CONTENT
    sources/Levels/Level_1.txt
    sources/Levels/Level_2.txt
    sources/Levels/Level_3.txt
    sources/Levels/Level_4.txt
    sources/Levels/Level_5.txt
    sources/Text/Story/Story.txt
    "sources/Text/HowToPlay/How To Play.txt"
    sources/Text/Credits/Topics.txt
    sources/Text/Credits/Names.txt
)

# The display font: Bebas Neue Bold from Debian's fonts-bebas-neue (SIL Open Font License),
# shipped under the file name the game reads, with its licence beside it.
set(VELMARCH_DISPLAY_FONT /usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf)
if(NOT EXISTS ${VELMARCH_DISPLAY_FONT})
    message(FATAL_ERROR "${VELMARCH_DISPLAY_FONT} is missing: install fonts-bebas-neue")
endif()

set(VELMARCH_CONTENT_COPIES)
function(velmarch_copy_content from to)
    get_filename_component(dir ${to} DIRECTORY)
    add_custom_command(
        OUTPUT ${to}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${from} ${to}
        DEPENDS ${from}
        VERBATIM)
    set(VELMARCH_CONTENT_COPIES ${VELMARCH_CONTENT_COPIES} ${to} PARENT_SCOPE)
endfunction()

foreach(file IN LISTS VELMARCH_HANDWRITTEN_CONTENT)
    velmarch_copy_content(${CMAKE_SOURCE_DIR}/${file} ${VELMARCH_GAME_DIR}/${file})
endforeach()
velmarch_copy_content(${VELMARCH_DISPLAY_FONT} ${VELMARCH_GAME_DIR}/sources/Fonts/TSalvacion.ttf)
velmarch_copy_content(${CMAKE_SOURCE_DIR}/docs/licenses/fonts-bebas-neue.copyright
                      ${VELMARCH_GAME_DIR}/sources/Fonts/TSalvacion-LICENSE.txt)

add_custom_target(velmarch-content-files ALL DEPENDS ${VELMARCH_CONTENT_STAMP} ${VELMARCH_CONTENT_COPIES})

# On request: the contact sheet of every picture, kept in docs/ for review.
add_custom_target(content-sheet
    COMMAND velmarch-content --sheet ${CMAKE_SOURCE_DIR}/docs/content-sheet.png
    DEPENDS velmarch-content
    COMMENT "Writing docs/content-sheet.png"
    VERBATIM)
