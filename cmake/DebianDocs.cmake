# The documents a Debian package carries besides the program: the manual
# page pilo(1) in English and German, the machine-readable copyright file
# and the changelog. Included by Install.cmake; sets pilo_man_page,
# pilo_man_page_de and pilo_copyright to the files to install.

set(pilo_doc_dir ${CMAKE_BINARY_DIR}/install/doc)
set(pilo_packaging ${CMAKE_CURRENT_LIST_DIR}/../packaging)

# Debian wants manual pages compressed at the highest level,
# without a time stamp, so the same source gives the same package.
function(pilo_gzip out source)
  add_custom_command(OUTPUT ${source}.gz
    COMMAND gzip -9nkf ${source}
    DEPENDS ${source}
    VERBATIM)
  set(${out} ${source}.gz PARENT_SCOPE)
endfunction()

configure_file(${pilo_packaging}/pilo.1.in ${pilo_doc_dir}/man/pilo.1 @ONLY)
configure_file(${pilo_packaging}/pilo.de.1.in ${pilo_doc_dir}/man-de/pilo.1 @ONLY)
# The changelog is written while CPack builds the package; its entry is dated
# with the release, not the build.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C
                        date -u -d "${PILO_RELEASE_DATE}" "+%a, %d %b %Y 00:00:00 +0000"
                OUTPUT_VARIABLE CPACK_PILO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_PILO_CHANGELOG_TEMPLATE ${pilo_packaging}/changelog.in)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake)
pilo_gzip(pilo_man_page ${pilo_doc_dir}/man/pilo.1)
pilo_gzip(pilo_man_page_de ${pilo_doc_dir}/man-de/pilo.1)
add_custom_target(pilo_docs ALL DEPENDS ${pilo_man_page} ${pilo_man_page_de})

# The copyright file (https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/)
# names the licence chosen with PILO_LICENSE. A licence every Debian system
# holds under /usr/share/common-licenses is referred to there; any other
# needs its full text from PILO_LICENSE_FILE.

# The file name under /usr/share/common-licenses for an SPDX licence id, or
# empty.
function(pilo_common_license out id)
  string(REGEX REPLACE "-(only|or-later)$|\\+$" "" base "${id}")
  set(pairs GPL-1.0 GPL-1 GPL-2.0 GPL-2 GPL-3.0 GPL-3 LGPL-2.0 LGPL-2 LGPL-2.1 LGPL-2.1
            LGPL-3.0 LGPL-3 GFDL-1.2 GFDL-1.2 GFDL-1.3 GFDL-1.3 Apache-2.0 Apache-2.0
            MPL-1.1 MPL-1.1 MPL-2.0 MPL-2.0 CC0-1.0 CC0-1.0 Artistic-1.0-Perl Artistic)
  set(file "")
  while(pairs)
    list(POP_FRONT pairs key value)
    if(base STREQUAL key)
      set(file ${value})
      break()
    endif()
  endwhile()
  set(${out} "${file}" PARENT_SCOPE)
endfunction()

# A text as the continuation lines of a copyright field: one blank in front,
# an empty line as " .".
function(pilo_dep5_text out text)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REPLACE "\n" "\n " text "${text}")
  set(${out} " ${text}\n" PARENT_SCOPE)
endfunction()

set(copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")
string(APPEND copyright "Upstream-Name: Pilo\n")
if(PILO_HOMEPAGE)
  string(APPEND copyright "Source: ${PILO_HOMEPAGE}\n")
endif()
string(APPEND copyright "\nFiles: *\nCopyright: ${PILO_COPYRIGHT}\n")
if(NOT PILO_LICENSE)
  string(APPEND copyright "License: none\n")
  pilo_dep5_text(text
"No licence was named when this package was built (the build option
PILO_LICENSE was left empty), and the source of Pilo carries none.
This file therefore grants no rights to copy, change or pass on the
program; ask the copyright holders.")
  string(APPEND copyright "${text}")
else()
  # The copyright format writes the operators of a licence expression in
  # lower case.
  string(REPLACE " AND " " and " expression "${PILO_LICENSE}")
  string(REPLACE " OR " " or " expression "${expression}")
  string(APPEND copyright "License: ${expression}\n")
  string(REGEX MATCHALL "[^ ()]+" words "${PILO_LICENSE}")
  set(after_with FALSE)
  set(ids "")
  foreach(word IN LISTS words)
    if(word MATCHES "^(AND|OR|and|or)$")
      continue()
    elseif(word MATCHES "^(WITH|with)$")
      set(after_with TRUE)
    elseif(after_with)
      set(after_with FALSE)
    else()
      list(APPEND ids ${word})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES ids)
  foreach(id IN LISTS ids)
    pilo_common_license(common ${id})
    if(common)
      pilo_dep5_text(text "On Debian systems the full text of this licence is in
/usr/share/common-licenses/${common}.")
    elseif(PILO_LICENSE_FILE)
      file(READ ${PILO_LICENSE_FILE} license_text)
      pilo_dep5_text(text "${license_text}")
    else()
      message(WARNING "PILO_LICENSE names ${id}, whose text /usr/share/common-licenses does not "
                      "hold: give it with -DPILO_LICENSE_FILE=<file> for the package's copyright file")
      pilo_dep5_text(text "The full text of this licence was not given when this package was
built; it is published at https://spdx.org/licenses/${id}.html.")
    endif()
    string(APPEND copyright "\nLicense: ${id}\n${text}")
  endforeach()
endif()
# Written beside and copied only when changed, so an unchanged file keeps
# its time stamp.
file(WRITE ${pilo_doc_dir}/copyright.new "${copyright}")
configure_file(${pilo_doc_dir}/copyright.new ${pilo_doc_dir}/copyright COPYONLY)
set(pilo_copyright ${pilo_doc_dir}/copyright)
