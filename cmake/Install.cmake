# Installed layout, under any prefix, as Debian lays out its games (the Filesystem
# Hierarchy Standard's games directories, which Debian's policy for games follows):
#   games/fishtank                       the launcher: prepares the player's folder, starts the game
#   lib/games/fishtank/fishtank          the game itself
#   share/games/fishtank/                resources, plugins.cfg and the default ogre.cfg
#   share/applications, share/metainfo   the desktop entry and the software centres' entry
#   share/icons/hicolor/*/apps           the icon in the sizes menus use, and scalable
#   share/man/man6/fishtank.6.gz         the manual page
#   share/doc/fishtank/                  copyright and changelog
set(FISHTANK_APP_ID org.example.fishtank)
set(FISHTANK_GAMES_DIR games)
set(FISHTANK_LIB_DIR lib/games/fishtank)
set(FISHTANK_DATA_DIR share/games/fishtank)
set(FISHTANK_DOC_DIR share/doc/fishtank)

# Manual pages and the changelog are installed compressed, as Debian keeps them.
set(FISHTANK_MAN_PAGE ${CMAKE_BINARY_DIR}/fishtank.6.gz)
set(FISHTANK_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${FISHTANK_MAN_PAGE}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/fishtank.6 > ${FISHTANK_MAN_PAGE}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/fishtank.6)
add_custom_command(OUTPUT ${FISHTANK_CHANGELOG}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${FISHTANK_CHANGELOG}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
add_custom_target(fishtank_docs ALL DEPENDS ${FISHTANK_MAN_PAGE} ${FISHTANK_CHANGELOG})

install(TARGETS fishtank RUNTIME DESTINATION ${FISHTANK_LIB_DIR})
install(PROGRAMS packaging/fishtank.sh DESTINATION ${FISHTANK_GAMES_DIR} RENAME fishtank)
install(FILES ${FISHTANK_RUN_DIR}/plugins.cfg config/ogre.cfg DESTINATION ${FISHTANK_DATA_DIR})
install(DIRECTORY resources/ DESTINATION ${FISHTANK_DATA_DIR}/resources
        FILES_MATCHING
        PATTERN "*.material" PATTERN "*.glsl" PATTERN "*.overlay" PATTERN "*.fontdef"
        PATTERN "*.png" PATTERN "*.wav"
        PATTERN "art" EXCLUDE PATTERN "sounds" EXCLUDE)
install(FILES packaging/${FISHTANK_APP_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${FISHTANK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES packaging/icons/fishtank-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME fishtank.png)
endforeach()
install(FILES resources/art/svg/fishtank.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${FISHTANK_MAN_PAGE} DESTINATION share/man/man6)
install(FILES packaging/copyright ${FISHTANK_CHANGELOG} DESTINATION ${FISHTANK_DOC_DIR})

# A Debian package whose dependencies are Debian's own: the libraries the game links, found
# by dpkg-shlibdeps, and the font it draws its text with. The game is stripped.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fishtank)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The fishtank developers <fishtank@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: steer a fish, eat the smaller ones, grow")
set(CPACK_PACKAGE_DESCRIPTION "You are the orange fish in an ocean tank seen face-on. Fish of
six kinds swim in from both sides: touch one smaller than you to eat it,
and every sixth meal makes you ten per cent larger. A fish as large as
you or larger, a shark, or the fishing hook that drops in at random ends
the game.
.
The best score is kept between games, a new game is one key away, and
the controls are on screen at the press of F1. The keyboard, the mouse
and a gamepad all steer. It runs well without a graphics card.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
