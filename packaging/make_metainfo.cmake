# Writes the AppStream metainfo from zel-manager.metainfo.xml.in. Included by
# packaging/CMakeLists.txt, or run as a script by the tests:
#   cmake -DZEL_HOMEPAGE_URL=... -DZEL_HOMEPAGE_IS_WEB=ON|OFF -DZEL_CONTACT=...
#         -DZEL_SCREENSHOTS_URL=... -DZEL_VERSION=... -DZEL_RELEASE_DATE=...
#         -DZEL_METAINFO_DIR=... -P make_metainfo.cmake
# It writes ZEL_METAINFO_DIR/<id>.metainfo.xml and sets ZEL_METAINFO_OUT to it.
#
# AppStream takes only web addresses (http, https) for links and pictures: the
# home page is listed when it is one, and the screenshots when ZEL_SCREENSHOTS_URL
# names the web folder that publishes docs/*.png. The contact is the metainfo's
# update contact.
set(ZEL_APPSTREAM_ID org.zelmanager.ZelManager)
set(ZEL_METAINFO_OUT ${ZEL_METAINFO_DIR}/${ZEL_APPSTREAM_ID}.metainfo.xml)

set(ZEL_METAINFO_LINKS "")
if(ZEL_HOMEPAGE_IS_WEB)
  string(APPEND ZEL_METAINFO_LINKS "  <url type=\"homepage\">${ZEL_HOMEPAGE_URL}</url>\n")
endif()
if(NOT ZEL_CONTACT STREQUAL "")
  string(APPEND ZEL_METAINFO_LINKS "  <update_contact>${ZEL_CONTACT}</update_contact>\n")
endif()

# The README's screenshots, taken by the end-to-end test, with their captions.
set(ZEL_METAINFO_SCREENSHOTS "")
if(NOT "${ZEL_SCREENSHOTS_URL}" STREQUAL "")
  string(REGEX REPLACE "/+$" "" _zel_base "${ZEL_SCREENSHOTS_URL}")
  set(_zel_shots
      "main-window|The main window, a player loaded|La fenêtre principale, un joueur chargé"
      "day-entry|Entering a championship day|La saisie d'une journée de championnat"
      "recap|The recap of a championship, tournaments included|Le récapitulatif d'un championnat, tournois compris"
      "main-window-200|The main window at 200 %|La fenêtre principale à 200 %"
      "graphs-200|The graphs at 200 %|Les graphes à 200 %"
      "day-viewer-dark|A championship day under a dark desktop palette|Une journée de championnat sous une palette de bureau sombre"
      "graphs-dark|The graphs under a dark desktop palette|Les graphes sous une palette de bureau sombre")
  set(_zel_type " type=\"default\"")
  string(APPEND ZEL_METAINFO_SCREENSHOTS "  <screenshots>\n")
  foreach(_zel_shot IN LISTS _zel_shots)
    string(REPLACE "|" ";" _zel_fields "${_zel_shot}")
    list(GET _zel_fields 0 _zel_name)
    list(GET _zel_fields 1 _zel_en)
    list(GET _zel_fields 2 _zel_fr)
    string(APPEND ZEL_METAINFO_SCREENSHOTS
           "    <screenshot${_zel_type}>\n"
           "      <caption>${_zel_en}</caption>\n"
           "      <caption xml:lang=\"fr\">${_zel_fr}</caption>\n"
           "      <image>${_zel_base}/${_zel_name}.png</image>\n"
           "    </screenshot>\n")
    set(_zel_type "")
  endforeach()
  string(APPEND ZEL_METAINFO_SCREENSHOTS "  </screenshots>\n")
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/zel-manager.metainfo.xml.in ${ZEL_METAINFO_OUT} @ONLY)
