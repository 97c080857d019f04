# The project's home page and contact: one place for the about box, the menu
# entry, the AppStream metainfo, the manual pages and the package's control file.
#
#   ZEL_HOMEPAGE  a web address (http:// or https://), or empty (the default) for
#                 the README installed with the program, as HTML:
#                 file://<prefix>/share/doc/zel-manager/README.html
#   ZEL_CONTACT   an e-mail address shown under it, or empty (the default) for none
#   ZEL_SCREENSHOTS_URL  the web folder that publishes docs/*.png, for the
#                 metainfo's screenshots (AppStream takes only web pictures);
#                 empty (the default): the metainfo lists no screenshot
#
# Sets ZEL_HOMEPAGE_URL (the address itself), ZEL_HOMEPAGE_IS_WEB, ZEL_DOC_DIR
# (relative to the prefix), ZEL_BUILD_DOC_DIR (where the build puts the README
# page) and writes generated/zel_homepage.h for the program. The program finds
# the README page relative to itself, so that a moved tree, an unpacked package
# and the build tree (scripts/zel.sh run) all open a page that exists.
include(GNUInstallDirs)

set(ZEL_HOMEPAGE "" CACHE STRING
    "Home page opened by the about box's \"Site Web\" (http:// or https://); empty: the installed README")
set(ZEL_CONTACT "" CACHE STRING "Contact e-mail address shown by the about box; empty: none")
set(ZEL_SCREENSHOTS_URL "" CACHE STRING
    "Web folder publishing docs/*.png, for the AppStream screenshots; empty: none listed")

set(ZEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zel-manager)
file(RELATIVE_PATH ZEL_DOC_FROM_PROGRAM ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/zel-manager
     ${CMAKE_INSTALL_PREFIX}/${ZEL_DOC_DIR})
# The program is built in src/shell: the page stands at the same place from it.
get_filename_component(ZEL_BUILD_DOC_DIR ${PROJECT_BINARY_DIR}/src/shell/${ZEL_DOC_FROM_PROGRAM} ABSOLUTE)
if(ZEL_HOMEPAGE STREQUAL "")
  string(REPLACE " " "%20" _zel_path "${CMAKE_INSTALL_PREFIX}/${ZEL_DOC_DIR}/README.html")
  set(ZEL_HOMEPAGE_URL "file://${_zel_path}")
  set(ZEL_HOMEPAGE_IS_WEB FALSE)
  set(ZEL_HOMEPAGE_WEB "")
elseif(ZEL_HOMEPAGE MATCHES "^https?://[^/]+")
  set(ZEL_HOMEPAGE_URL "${ZEL_HOMEPAGE}")
  set(ZEL_HOMEPAGE_IS_WEB TRUE)
  set(ZEL_HOMEPAGE_WEB "${ZEL_HOMEPAGE}")
else()
  message(FATAL_ERROR "ZEL_HOMEPAGE must start with http:// or https:// (or be empty): ${ZEL_HOMEPAGE}")
endif()

# The address goes into a C string, a desktop file's Exec line, XML and roff as
# it is, so it may hold none of the characters these would have to escape
# (&, quotes, backslash, $, spaces...): write them %XX, as in any address.
if(NOT ZEL_HOMEPAGE_URL MATCHES "^[A-Za-z0-9:/._~%?#=+@,;!-]+$")
  message(FATAL_ERROR "ZEL_HOMEPAGE_URL holds a character to be written as %XX: ${ZEL_HOMEPAGE_URL}")
endif()
if(NOT ZEL_SCREENSHOTS_URL STREQUAL "" AND NOT ZEL_SCREENSHOTS_URL MATCHES "^https?://[A-Za-z0-9:/._~%?#=+@,;!-]+$")
  message(FATAL_ERROR "ZEL_SCREENSHOTS_URL must be a web address (http:// or https://): ${ZEL_SCREENSHOTS_URL}")
endif()
if(NOT ZEL_CONTACT STREQUAL "" AND NOT ZEL_CONTACT MATCHES "^[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]+$")
  message(FATAL_ERROR "ZEL_CONTACT is not a plain e-mail address: ${ZEL_CONTACT}")
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/zel_homepage.h.in ${PROJECT_BINARY_DIR}/generated/zel_homepage.h @ONLY)
