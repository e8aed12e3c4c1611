# The built-in font: DejaVu Sans from Debian's fonts-dejavu-core, assembled into the platform
# library.
set(VELMARCH_DEFAULT_FONT /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
if(NOT EXISTS ${VELMARCH_DEFAULT_FONT})
    message(FATAL_ERROR "${VELMARCH_DEFAULT_FONT} is missing: install fonts-dejavu-core")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/default_font.cpp.in ${CMAKE_BINARY_DIR}/generated/default_font.cpp @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/default_font.cpp PROPERTIES OBJECT_DEPENDS ${VELMARCH_DEFAULT_FONT})
target_sources(velmarch_platform PRIVATE ${CMAKE_BINARY_DIR}/generated/default_font.cpp)

# Its licence travels with the game.
configure_file(${CMAKE_SOURCE_DIR}/docs/licenses/fonts-dejavu-core.copyright
               ${VELMARCH_GAME_DIR}/licenses/DejaVuSans-LICENSE.txt COPYONLY)
