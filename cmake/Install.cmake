# Installed layout, under any prefix:
#   bin/fishtank                      the launcher: prepares the player's folder, starts the game
#   lib/fishtank/fishtank             the game itself
#   share/fishtank/                   resources, plugins.cfg and the default ogre.cfg
#   share/applications, share/icons   the desktop entry and the icon
include(GNUInstallDirs)

install(TARGETS fishtank RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR}/fishtank)
install(PROGRAMS packaging/fishtank.sh DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME fishtank)
install(FILES ${FISHTANK_RUN_DIR}/plugins.cfg config/ogre.cfg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fishtank)
install(DIRECTORY resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/fishtank/resources
        FILES_MATCHING
        PATTERN "*.material" PATTERN "*.overlay" PATTERN "*.fontdef"
        PATTERN "*.png" PATTERN "*.wav"
        PATTERN "art" EXCLUDE PATTERN "sounds" EXCLUDE)
install(FILES packaging/fishtank.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/fishtank.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES resources/art/svg/fishtank.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# A Debian package whose dependencies are Debian's own: the libraries the game links, found
# by dpkg-shlibdeps, and the font it draws its text with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fishtank)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "fishtank developers <fishtank@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: steer a fish, eat the smaller ones, grow")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
include(CPack)
