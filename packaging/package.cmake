# The Debian package, from the install rules above:
#   cpack -G DEB      (in the build tree) -> zel-manager_<version>_<arch>.deb
# It installs under /usr, so the build is configured with
# -DCMAKE_INSTALL_PREFIX=/usr: the addresses written into the program, the
# manual pages and the metainfo are the installed ones. Its dependencies are
# those of the binaries, found by dpkg-shlibdeps. There is no maintainer
# script: removing the package removes its files under /usr and nothing else,
# never a user's run-time folder.
set(ZEL_PACKAGE_MAINTAINER "" CACHE STRING
    "Maintainer field of the Debian package, \"Name <address>\"; empty: Zel Manager with ZEL_CONTACT, or a placeholder")
if(NOT ZEL_PACKAGE_MAINTAINER STREQUAL "")
  set(_zel_maintainer "${ZEL_PACKAGE_MAINTAINER}")
elseif(NOT ZEL_CONTACT STREQUAL "")
  set(_zel_maintainer "Zel Manager <${ZEL_CONTACT}>")
else()
  # Debian wants an address; .invalid is the name reserved for none.
  set(_zel_maintainer "Zel Manager <zel-manager@packages.invalid>")
endif()
# The changelog's trailer names the same maintainer.
set(ZEL_PACKAGE_MAINTAINER_FIELD "${_zel_maintainer}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zel-manager)
set(CPACK_PACKAGE_VENDOR "Zel Manager")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${_zel_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "season record of a competitive player")
# The extended description, in lines of at most 80 characters as Debian wants.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Zel Manager keeps the record of a competitive player's season: the player's\n"
       "profile, every team championship day (four singles and a double), the\n"
       "individual tournaments, and the statistics that come out of them: a recap\n"
       "table by opponent classement with a points estimation, details per poule and\n"
       "place, three graphs, and a printed recap.\n"
       "\n"
       "One player is loaded at a time, and every change is saved to the player's file\n"
       "at once. The players are kept in the user's own folder, which removing the\n"
       "package leaves as it is. The interface is in French.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
# Directories of the package are 0755 whatever the umask of whoever builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${_zel_maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not libraries the binaries link: what opens the home page outside a desktop
# that opens links itself ("Site Web", the menu entry's action), and the French
# texts of Qt's own dialogs (the file dialog's columns and places).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
if(ZEL_HOMEPAGE_IS_WEB)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZEL_HOMEPAGE_URL}")
endif()

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_project.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/cpack_project.cmake
     "# Written by packaging/package.cmake: read by cpack for each generator.\n"
     "if(CPACK_GENERATOR STREQUAL \"DEB\" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL \"/usr\")\n"
     "  message(FATAL_ERROR \"The Debian package installs under /usr: configure the build with \"\n"
     "                      \"-DCMAKE_INSTALL_PREFIX=/usr (it is \${CPACK_PACKAGING_INSTALL_PREFIX})\")\n"
     "endif()\n")

include(CPack)
