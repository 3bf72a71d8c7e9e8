# What `cmake --install` puts where. On Linux: the program and the files a desktop and a
# software centre want (desktop entry, icons, AppStream metainfo, manual page), which the Debian
# package (debian/) installs as they are. On Windows: CPack's ZIP and installer.
# Sources in packaging/, resources/ and debian/changelog; generated files in the build tree's
# packaging/.
include(GNUInstallDirs)
set(_src ${PROJECT_SOURCE_DIR}/packaging)
set(_out ${PROJECT_BINARY_DIR}/packaging)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RPN (Reverse Polish Notation) scientific calculator")

if(WIN32)
  # One self-contained program file, in a ZIP and in an installer, each with the licences of
  # what it holds and a README that tells how to relink it with another Qt.
  set(CPACK_PACKAGE_NAME orvane-calc)
  set(CPACK_PACKAGE_VENDOR "Orvane Calc")
  set(CPACK_PACKAGE_HOMEPAGE_URL "${ORVANE_SITE_URL}/calc")
  set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
  set(CPACK_STRIP_FILES ON)
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

# The changelog's newest entry is this version; its date is the release date.
set(_changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog} ${_src}/description.txt)
file(STRINGS ${_changelog} _lines)
list(GET _lines 0 _first)
if(NOT _first MATCHES "^orvane-calc \\(([^)]+)\\) " OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog: its first entry must be for version ${PROJECT_VERSION}")
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
  message(FATAL_ERROR "debian/changelog: no date like 'Sun, 06 Dec 2026 12:00:00 +0000' in the first entry")
endif()

# The AppStream metainfo, its description made of description.txt's paragraphs.
file(READ ${_src}/description.txt _text)
string(STRIP "${_text}" _text)
string(REPLACE "\n\n" "</p>\n    <p>" _text "${_text}")
string(REGEX REPLACE "([^>])\n" "\\1 " _text "${_text}")
set(ORVANE_METAINFO_DESCRIPTION "    <p>${_text}</p>")
set(_metainfo example.orvane.calc.metainfo.xml)
configure_file(${_src}/${_metainfo}.in ${_out}/${_metainfo} @ONLY)

install(FILES ${_src}/orvane-calc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_out}/${_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/orvane-calc.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/orvane-calc.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
