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

if(WIN32)
  # One self-contained program file, in a ZIP and in an installer, each with the licences of
  # what it holds and a README that tells how to relink it with another Qt.
  set(_win ${PROJECT_BINARY_DIR}/windows)
  set(ORVANE_VERSION ${PROJECT_VERSION})
  set(ORVANE_QT_VERSION ${Qt6_VERSION})
  configure_file(${_src}/windows/README.txt ${_win}/README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${_win}/LICENSE.txt COPYONLY)
  install(TARGETS orvane-calc RUNTIME DESTINATION .)
  install(FILES ${_win}/README.txt ${_win}/LICENSE.txt DESTINATION .)
  # The installer's licence page: ours, the README's word on Qt, and Qt's licence, which
  # scripts/windows-qt.sh keeps beside the static Qt it builds.
  set(_qt_licences ${QT6_INSTALL_PREFIX}/licenses)
  if(EXISTS ${_qt_licences}/Qt-LGPL-3.0.txt)
    install(DIRECTORY ${_qt_licences}/ DESTINATION licenses)
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE _ours)
    file(READ ${_win}/README.txt _readme)
    string(REGEX REPLACE "^.*(  This program contains)" "\\1" _qt_note "${_readme}")
    file(READ ${_qt_licences}/Qt-LGPL-3.0.txt _lgpl)
    file(WRITE ${_win}/licence-page.txt "${_ours}\n\n${_qt_note}\n\n${_lgpl}")
    set(CPACK_RESOURCE_FILE_LICENSE ${_win}/licence-page.txt)
  endif()
  # A shared Qt (from Qt's own installer) goes beside the program, with its plugins.
  get_target_property(_qt_type Qt6::Core TYPE)
  if(_qt_type STREQUAL "SHARED_LIBRARY")
    find_program(ORVANE_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/bin" REQUIRED)
    install(CODE "execute_process(COMMAND \"${ORVANE_WINDEPLOYQT}\" --no-translations
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/orvane-calc.exe\" COMMAND_ERROR_IS_FATAL ANY)")
  endif()

  set(CPACK_GENERATOR ZIP NSIS64)
  set(CPACK_PACKAGE_FILE_NAME orvane-calc-${PROJECT_VERSION}-win64)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "Orvane Calc")
  set(CPACK_NSIS_PACKAGE_NAME "Orvane Calc")
  set(CPACK_NSIS_DISPLAY_NAME "Orvane Calc")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_PACKAGE_EXECUTABLES orvane-calc "Orvane Calc")  # the Start-menu entry
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
  set(CPACK_NSIS_INSTALLED_ICON_NAME orvane-calc.exe)
  set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/orvane-calc.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/orvane-calc.ico)
  set(CPACK_NSIS_URL_INFO_ABOUT "${ORVANE_SITE_URL}/calc")
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  # CPack's own NSIS script, made for a 64-bit installer: CPack does not set NSIS's target.
  file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in _nsis)
  string(REPLACE "; You must define these values\n" "; You must define these values\n\n  Target amd64-unicode\n"
         _nsis "${_nsis}")
  file(WRITE ${_win}/nsis/NSIS.template.in "${_nsis}")
  list(APPEND CMAKE_MODULE_PATH ${_win}/nsis)
  include(CPack)
  return()
endif()

install(TARGETS orvane-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
