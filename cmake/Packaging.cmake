# A Debian package from the build tree: cmake --build <tree> --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tvdl)
set(CPACK_PACKAGE_VENDOR "Torvik Games")
set(CPACK_PACKAGE_CONTACT "Torvik Games <torvik@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "patience card game: order four rows by filling the gaps")
set(CPACK_PACKAGE_DESCRIPTION "Torvik Vandrel deals the 52 cards into 14 columns and 4 rows; the aces
move to the left and leave four gaps. A gap takes the same-suit card one rank above its left
neighbour or one below its right one; a deal is won when every row runs ace to king.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org/torvik")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tvdl)
# The package installs where the tree was configured to, so the paths built into the program hold
# there too; scripts/release.sh configures for /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the program links come from dpkg-shlibdeps; what it only loads at run time
# is named here: Qt's X11 platform plugin (in libqt6gui6) needs nothing more, the fonts do.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Help is read by chmlib when it is there; without it the game runs and says help is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libchm1")

include(CPack)
