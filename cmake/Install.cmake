# Installing the way Debian's games are laid out, and the .deb that CPack makes of it:
#
#   games/velmarch                        the program
#   share/games/velmarch/                 the read-only content (the display font is a link
#                                         into fonts-bebas-neue)
#   share/applications, share/icons, share/metainfo, share/man/man6, share/doc/velmarch
#
# The program finds its content from its own place, so an unpacked or moved tree plays too.
include(GNUInstallDirs)

set(VELMARCH_APP_ID org.velmarch.Velmarch)
set(VELMARCH_PACKAGE_VERSION ${PROJECT_VERSION})
set(VELMARCH_RELEASE_DATE 2026-12-07)
set(VELMARCH_RELEASE_TIME "Mon, 07 Dec 2026 12:00:00 +0000")
set(VELMARCH_HOMEPAGE "https://velmarch.org" CACHE STRING "The game's web page, named in the package")
set(VELMARCH_MAINTAINER "Das Velmarch-Team <team@velmarch.org>" CACHE STRING "The package's maintainer")

set(VELMARCH_INSTALL_GAMEDIR games)
set(VELMARCH_INSTALL_CONTENTDIR ${CMAKE_INSTALL_DATADIR}/games/velmarch)
file(RELATIVE_PATH VELMARCH_CONTENT_FROM_PROGRAM /${VELMARCH_INSTALL_GAMEDIR} /${VELMARCH_INSTALL_CONTENTDIR})
set_property(SOURCE app/GameFolder.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS VELMARCH_CONTENT_FROM_PROGRAM="${VELMARCH_CONTENT_FROM_PROGRAM}")

set(VELMARCH_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)
set(VELMARCH_FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(VELMARCH_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${VELMARCH_DIRECTORY_PERMISSIONS})

# The desktop icon, painted by the content generator.
set(VELMARCH_ICON_SIZES 48 128 256)
set(VELMARCH_ICONS)
foreach(size IN LISTS VELMARCH_ICON_SIZES)
    list(APPEND VELMARCH_ICONS ${VELMARCH_PACKAGE_FILES}/icons/${size}x${size}/velmarch.png)
endforeach()
add_custom_command(
    OUTPUT ${VELMARCH_ICONS}
    COMMAND velmarch-content --icons ${VELMARCH_PACKAGE_FILES}/icons
    DEPENDS velmarch-content
    COMMENT "Painting the desktop icon"
    VERBATIM)

# Man page and changelog go compressed, without time stamps.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(packaging/changelog.in ${VELMARCH_PACKAGE_FILES}/changelog @ONLY)
set(VELMARCH_COMPRESSED)
foreach(pair "packaging/velmarch.6|${CMAKE_SOURCE_DIR}/packaging/velmarch.6"
             "changelog|${VELMARCH_PACKAGE_FILES}/changelog")
    string(REPLACE "|" ";" pair ${pair})
    list(GET pair 1 from)
    get_filename_component(name ${from} NAME)
    add_custom_command(
        OUTPUT ${VELMARCH_PACKAGE_FILES}/${name}.gz
        COMMAND ${GZIP_PROGRAM} -9nc ${from} > ${VELMARCH_PACKAGE_FILES}/${name}.gz
        DEPENDS ${from})
    list(APPEND VELMARCH_COMPRESSED ${VELMARCH_PACKAGE_FILES}/${name}.gz)
endforeach()
add_custom_target(velmarch-package-files ALL DEPENDS ${VELMARCH_ICONS} ${VELMARCH_COMPRESSED})

configure_file(packaging/velmarch.desktop.in ${VELMARCH_PACKAGE_FILES}/${VELMARCH_APP_ID}.desktop COPYONLY)
configure_file(packaging/velmarch.metainfo.xml.in ${VELMARCH_PACKAGE_FILES}/${VELMARCH_APP_ID}.metainfo.xml @ONLY)

# The copyright file: the game's own, and the licence of the font built into the program.
file(READ ${CMAKE_SOURCE_DIR}/docs/licenses/fonts-liberation2.copyright VELMARCH_FONT_COPYRIGHT)
string(REGEX MATCH "License: SIL-OFL-1.1\n[^\n]*(\n [^\n]*)*" VELMARCH_FONT_LICENSE "${VELMARCH_FONT_COPYRIGHT}")
configure_file(packaging/copyright.in ${VELMARCH_PACKAGE_FILES}/copyright.head @ONLY)
file(READ ${VELMARCH_PACKAGE_FILES}/copyright.head VELMARCH_COPYRIGHT)
file(WRITE ${VELMARCH_PACKAGE_FILES}/copyright "${VELMARCH_COPYRIGHT}${VELMARCH_FONT_LICENSE}\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             packaging/copyright.in docs/licenses/fonts-liberation2.copyright)

# The display font is Debian's own, by link (fonts-bebas-neue is a dependency); the link is
# absolute so that a moved tree still finds it.
file(CREATE_LINK ${VELMARCH_DISPLAY_FONT} ${VELMARCH_PACKAGE_FILES}/TSalvacion.ttf SYMBOLIC)

install(TARGETS velmarch RUNTIME DESTINATION ${VELMARCH_INSTALL_GAMEDIR})
foreach(dir Images Levels Music Sounds Text)
    install(DIRECTORY ${VELMARCH_GAME_DIR}/sources/${dir} DESTINATION ${VELMARCH_INSTALL_CONTENTDIR}
            FILE_PERMISSIONS ${VELMARCH_FILE_PERMISSIONS} DIRECTORY_PERMISSIONS ${VELMARCH_DIRECTORY_PERMISSIONS})
endforeach()
install(FILES ${VELMARCH_PACKAGE_FILES}/TSalvacion.ttf DESTINATION ${VELMARCH_INSTALL_CONTENTDIR}/Fonts)
install(FILES ${VELMARCH_PACKAGE_FILES}/${VELMARCH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        PERMISSIONS ${VELMARCH_FILE_PERMISSIONS})
install(FILES ${VELMARCH_PACKAGE_FILES}/${VELMARCH_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        PERMISSIONS ${VELMARCH_FILE_PERMISSIONS})
foreach(size IN LISTS VELMARCH_ICON_SIZES)
    install(FILES ${VELMARCH_PACKAGE_FILES}/icons/${size}x${size}/velmarch.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps PERMISSIONS ${VELMARCH_FILE_PERMISSIONS})
endforeach()
install(FILES ${VELMARCH_PACKAGE_FILES}/velmarch.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
        PERMISSIONS ${VELMARCH_FILE_PERMISSIONS})
install(FILES ${VELMARCH_PACKAGE_FILES}/copyright ${VELMARCH_PACKAGE_FILES}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmarch PERMISSIONS ${VELMARCH_FILE_PERMISSIONS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmarch)
set(CPACK_PACKAGE_VERSION ${VELMARCH_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELMARCH_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "army game: cross the battlefield under fire")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmarch is a 2D army game for one player. Your soldier must cross the
playing field from its bottom edge to its top edge, through lanes of driving
tanks and under fire from gun towers and enemy soldiers. Shoot back, keep
clear of the blocks and pick up items for life, points and ammunition.
.
Five levels make you and the enemy stronger each time; points and playing
time go into a highscore list under your name. All texts of the game are
German.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMARCH_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-bebas-neue)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
