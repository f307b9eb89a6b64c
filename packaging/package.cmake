# A Debian package of an installation: `cpack -G DEB` in a build configured
# with CMAKE_INSTALL_PREFIX=/usr (the release preset). The dependencies come
# from the libraries the programs link, plus what Qt loads at run time.
set(CPACK_PACKAGE_NAME hearts)
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Hearts developers <hearts@orvane.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game of Hearts, alone or with friends on the local network")
# One string: a semicolon inside would make a CMake list of it.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Start Hearts and play at once against three computer players, or host a\n"
       "table on the local network that friends join from their own copy, with a\n"
       "chat room beside it. The hosting copy runs the whole game; its computer\n"
       "players take every empty seat. hearts-server hosts a table without a\n"
       "window.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HEARTS_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not named by any library the programs link: the font the table is drawn
# with. Wayland sessions run Qt programs through XWayland without the
# Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "kdegames-card-data-kf5, gnome-cards-data")
set(CPACK_STRIP_FILES ON)
include(CPack)
