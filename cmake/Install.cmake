# Installing Pilo as a desktop program, the launcher for the build tree and
# the Debian package.
#
# Layout under the prefix:
#   bin/pilo                  the launcher (a shell script)
#   libexec/pilo/pilo         the program itself
#   share/pilo/data/          the shipped data folder and demo profile
#   share/applications/, share/metainfo/, share/icons/hicolor/
#   share/man/man1/pilo.1.gz  the manual page, German in share/man/de/man1/
#   share/doc/pilo/copyright  the licence; the Debian package adds changelog.gz
# The program finds its files in its working directory and names its profile
# after its own file name, so the real binary keeps the name "pilo" and lives
# out of PATH; the launcher prepares the per-user folder and starts it there.
include(GNUInstallDirs)

if(NOT TARGET pilo)
  return()
endif()

set(PILO_APP_ID de.pilo.Pilo)
# The day the version named in project() was released.
set(PILO_RELEASE_DATE 2026-12-07)
set(PILO_PACKAGE_MAINTAINER "Pilo maintainers <root@localhost>"
    CACHE STRING "Maintainer line of the Debian package: Name <mail>")
set(PILO_LICENSE ""
    CACHE STRING "SPDX licence expression the program is built with (empty: none was given)")
# The former default named a licence that no one had chosen.
if(PILO_LICENSE STREQUAL "LicenseRef-proprietary")
  set_property(CACHE PILO_LICENSE PROPERTY VALUE "")
endif()
set(PILO_LICENSE_FILE "" CACHE FILEPATH
    "Full text of the licence when /usr/share/common-licenses does not hold it")
set(PILO_COPYRIGHT "2026 Pilo-Team")
set(PILO_HOMEPAGE "" CACHE STRING "Project home page for the AppStream data (left out when empty)")
set(PILO_SCREENSHOT_BASE_URL ""
    CACHE STRING "URL where this source tree is published: the AppStream data then names its \
docs/screenshots/main-window.png (left out when empty)")

set(pilo_libexec ${CMAKE_INSTALL_LIBEXECDIR}/pilo)
set(pilo_data ${CMAKE_INSTALL_DATADIR}/pilo/data)

# A value as one single-quoted shell word.
function(pilo_shell_quote out value)
  string(REPLACE "'" "'\\''" value "${value}")
  set(${out} "'${value}'" PARENT_SCOPE)
endfunction()

set(launcher_in ${CMAKE_CURRENT_LIST_DIR}/../tools/pilo-launcher.sh.in)

# The installed launcher finds the program and data relative to itself, so
# the tree works under any prefix and under DESTDIR.
file(RELATIVE_PATH rel_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/pilo/pilo)
file(RELATIVE_PATH rel_data ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${pilo_data})
pilo_shell_quote(rel_program "${rel_program}")
pilo_shell_quote(rel_data "${rel_data}")
set(PILO_LAUNCH_PROGRAM "\"$here\"/${rel_program}")
set(PILO_LAUNCH_DATA "\"$here\"/${rel_data}")
configure_file(${launcher_in} ${CMAKE_BINARY_DIR}/install/pilo @ONLY)

# The build tree's launcher starts the freshly built program on the freshly
# built data folder.
get_target_property(program_dir pilo RUNTIME_OUTPUT_DIRECTORY)
if(NOT program_dir)
  get_target_property(program_dir pilo BINARY_DIR)
endif()
pilo_shell_quote(PILO_LAUNCH_PROGRAM "${program_dir}/pilo")
pilo_shell_quote(PILO_LAUNCH_DATA "${PILO_DATA_DIR}")
configure_file(${launcher_in} ${CMAKE_BINARY_DIR}/pilo-launch @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

configure_file(${CMAKE_CURRENT_LIST_DIR}/../packaging/pilo.desktop.in
               ${CMAKE_BINARY_DIR}/install/${PILO_APP_ID}.desktop @ONLY)
set(PILO_METAINFO_LICENSE "")
if(PILO_LICENSE)
  set(PILO_METAINFO_LICENSE "\n  <project_license>${PILO_LICENSE}</project_license>")
endif()
set(PILO_METAINFO_URL "")
if(PILO_HOMEPAGE)
  set(PILO_METAINFO_URL "\n  <url type=\"homepage\">${PILO_HOMEPAGE}</url>")
endif()
set(PILO_METAINFO_SCREENSHOTS "")
if(PILO_SCREENSHOT_BASE_URL)
  string(REGEX REPLACE "/+$" "" screenshot_base "${PILO_SCREENSHOT_BASE_URL}")
  string(REPLACE "&" "&amp;" screenshot_base "${screenshot_base}")
  string(CONCAT PILO_METAINFO_SCREENSHOTS
    "\n  <screenshots>\n    <screenshot type=\"default\">\n"
    "      <caption>Das Hauptfenster mit dem Menü „Plus“</caption>\n"
    "      <caption xml:lang=\"en\">The main window with the menu “Plus”</caption>\n"
    "      <image>${screenshot_base}/docs/screenshots/main-window.png</image>\n"
    "    </screenshot>\n  </screenshots>")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/../packaging/pilo.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/install/${PILO_APP_ID}.metainfo.xml @ONLY)

# --version names the version and the licence of the build.
target_compile_definitions(pilo PRIVATE PILO_VERSION="${PROJECT_VERSION}"
                                        PILO_LICENSE="${PILO_LICENSE}")

include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)

# qt_standard_project_setup() gives installed programs an $ORIGIN run path
# for bundling Qt beside them; Pilo uses the system's Qt.
set_target_properties(pilo PROPERTIES INSTALL_RPATH "")
install(TARGETS pilo RUNTIME DESTINATION ${pilo_libexec})
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/pilo DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PILO_DATA_DIR}/ DESTINATION ${pilo_data}
        PATTERN "*.pilo-new.*" EXCLUDE)
install(FILES ${CMAKE_BINARY_DIR}/install/${PILO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/install/${PILO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/res/art/pilo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${PILO_APP_ID}.svg)
install(FILES ${pilo_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pilo_man_page_de} DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
install(FILES ${pilo_copyright} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pilo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/res/art/pilo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${PILO_APP_ID}.png)
endforeach()

# Debian package: cpack --config <build>/CPackConfig.cmake -G DEB
set(CPACK_PACKAGE_NAME pilo)
set(CPACK_PACKAGE_VENDOR "Pilo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rechentrainer für Kinder / arithmetic trainer for young children")
set(CPACK_PACKAGE_DESCRIPTION
    "Pilo lets young children practise addition, subtraction and comparisons\n\
one task at a time, with praise, gentle help after a wrong answer and a\n\
picture or a joke after a perfect run. Parents can write their own exercise\n\
lists. The program speaks German.")
set(CPACK_PACKAGE_CONTACT "${PILO_PACKAGE_MAINTAINER}")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PILO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(PILO_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PILO_HOMEPAGE}")
endif()
# What the linker cannot see: the Arial metric twin the windows ask for,
# Qt's German dialog texts, the SVG icon engine plugin and the SQLite driver
# plugin of Qt SQL that keeps the record of runs. The xcb platform
# plugin and the GIF reader ship in libqt6gui6; QSoundEffect plays through
# the PulseAudio client built into libqt6multimedia6, whose media plugins ship
# in that package too; shlibdeps finds both libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, qt6-translations-l10n, libqt6svg6, libqt6sql6-sqlite")
# Reading aloud (a learning aid, off unless a parent switches it on) speaks
# through Qt's speech-dispatcher plugin; without it Pilo stays silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, qt6-speech-speechd-plugin, speech-dispatcher")
# Lazy binding leaves the program's symbol table writable while it runs.
target_link_options(pilo PRIVATE -Wl,-z,relro,-z,now)
include(CPack)
