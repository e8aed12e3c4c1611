# The built-in font (VELMARCH_DEFAULT_FONT), assembled into the platform library.
configure_file(${CMAKE_SOURCE_DIR}/cmake/default_font.cpp.in ${CMAKE_BINARY_DIR}/generated/default_font.cpp @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/default_font.cpp PROPERTIES OBJECT_DEPENDS ${VELMARCH_DEFAULT_FONT})
target_sources(velmarch_platform PRIVATE ${CMAKE_BINARY_DIR}/generated/default_font.cpp)

# Its licence travels with the game.
configure_file(${CMAKE_SOURCE_DIR}/docs/licenses/fonts-liberation2.copyright
               ${VELMARCH_GAME_DIR}/licenses/LiberationSans-LICENSE.txt COPYONLY)
