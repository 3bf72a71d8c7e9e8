# What `cmake --install` puts where, the files a Debian package and a software centre want
# (copyright, changelog, manual page, AppStream metainfo), and CPack's settings.
# Sources in packaging/ and resources/; generated files in the build tree's packaging/.
include(GNUInstallDirs)
set(_src ${PROJECT_SOURCE_DIR}/packaging)
set(_out ${PROJECT_BINARY_DIR}/packaging)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${_src}/changelog ${_src}/description.txt)

set(CPACK_PACKAGE_NAME orvane-calc)
set(CPACK_PACKAGE_VENDOR "Orvane Calc")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RPN (Reverse Polish Notation) scientific calculator")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${_src}/description.txt)
set(CPACK_PACKAGE_HOMEPAGE_URL "${ORVANE_SITE_URL}/calc")
set(CPACK_PACKAGE_CONTACT "Orvane Calc developers <dev@orvane.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

install(TARGETS orvane-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
  # A ZIP of the program with the Qt libraries beside it: unpacked anywhere, it runs, and keeps
  # its stack file beside itself where that folder can be written.
  set(CPACK_GENERATOR ZIP)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
  find_program(ORVANE_WINDEPLOYQT windeployqt HINTS "${Qt6_DIR}/../../../bin" "${QT6_INSTALL_PREFIX}/bin")
  if(ORVANE_WINDEPLOYQT)
    install(CODE "execute_process(COMMAND \"${ORVANE_WINDEPLOYQT}\" --no-translations
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orvane-calc.exe\"
                  COMMAND_ERROR_IS_FATAL ANY)")
  else()
    message(WARNING "windeployqt not found: the installed program will lack the Qt libraries")
  endif()
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's faces: Liberation Sans has Arial's metrics, which the layout was made for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation")

# The changelog's newest entry is this version; its date is the release date.
file(STRINGS ${_src}/changelog _lines)
list(GET _lines 0 _first)
if(NOT _first MATCHES "^orvane-calc \\(([^)]+)\\) " OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: its first entry must be for version ${PROJECT_VERSION}")
endif()
foreach(_line IN LISTS _lines)
  if(_line MATCHES "^ -- .+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND _months ${CMAKE_MATCH_2} _month)
    math(EXPR _month "${_month} + 1")
    if(_month LESS 10)
      set(_month 0${_month})
    endif()
    set(ORVANE_RELEASE_DATE "${CMAKE_MATCH_3}-${_month}-${CMAKE_MATCH_1}")
    break()
  endif()
endforeach()
if(NOT ORVANE_RELEASE_DATE OR _month EQUAL 0)
  message(FATAL_ERROR "packaging/changelog: no date like 'Sun, 06 Dec 2026 12:00:00 +0000' in the first entry")
endif()

# The Debian copyright file (machine-readable format 1.0) made from LICENSE: its copyright
# line, and the text below it as the licence's body.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE _license)
if(NOT _license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.+)$")
  message(FATAL_ERROR "LICENSE: no 'Copyright (c) ...' line followed by the licence text")
endif()
set(_holders "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" _body)
string(REPLACE "\n\n" "\n.\n" _body "${_body}")
string(REPLACE "\n" "\n " _body "${_body}")
file(CONFIGURE OUTPUT ${_out}/copyright @ONLY CONTENT "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Orvane Calc
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}
Source: ${CPACK_PACKAGE_HOMEPAGE_URL}

Files: *
Copyright: ${_holders}
License: Expat
 ${_body}
")

# The AppStream metainfo, its description made of description.txt's paragraphs.
file(READ ${_src}/description.txt _text)
string(STRIP "${_text}" _text)
string(REPLACE "\n\n" "</p>\n    <p>" _text "${_text}")
string(REGEX REPLACE "([^>])\n" "\\1 " _text "${_text}")
set(ORVANE_METAINFO_DESCRIPTION "    <p>${_text}</p>")
set(_metainfo example.orvane.calc.metainfo.xml)
configure_file(${_src}/${_metainfo}.in ${_out}/${_metainfo} @ONLY)

# Debian wants the changelog and the manual page compressed with gzip -9n (no name, no time).
find_program(ORVANE_GZIP gzip REQUIRED)
foreach(_file changelog orvane-calc.1)
  add_custom_command(OUTPUT ${_out}/${_file}.gz
                     COMMAND ${ORVANE_GZIP} -9n -c ${_src}/${_file} > ${_out}/${_file}.gz
                     DEPENDS ${_src}/${_file} VERBATIM)
endforeach()
add_custom_target(orvane-docs ALL DEPENDS ${_out}/changelog.gz ${_out}/orvane-calc.1.gz)

set(_doc ${CMAKE_INSTALL_DATADIR}/doc/orvane-calc)
install(FILES ${_out}/copyright ${_out}/changelog.gz DESTINATION ${_doc})
install(FILES ${_out}/orvane-calc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_out}/${_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/orvane-calc.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/orvane-calc.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

include(CPack)
