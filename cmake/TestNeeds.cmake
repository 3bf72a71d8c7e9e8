# Tests that need a tool which may not be installed. Such a test is never left out: without its
# tool it is added all the same, as a test that CTest reports skipped and whose output says what
# is missing and which scripts/deps.sh part installs it; scripts/ctest-no-skip.py, through which
# scripts/test.sh runs ctest, then fails.
#
#   orvane_add_test(NAME <name> [PART <deps.sh part>] [NEEDS <program or target>...]
#                   [HINTS <folder>...] COMMAND <command> [<argument>...])
#
# NEEDS names programs, looked for on the PATH and in the HINTS folders (at-spi-bus-launcher
# lives in /usr/libexec), or imported targets such as Python3::Interpreter, which must exist.
# A test that can tell only as it runs (a Python module missing) prints "cannot run: <why>" as
# the first line of its output and is reported skipped in the same way.
#
#   orvane_skipped_test(<name> <why>)
#
# adds the skipped test itself, for a test that cannot even be built here.

# Global, so that a test declared in any folder is skipped on the same words.
set(ORVANE_CANNOT_RUN "^cannot run: " CACHE INTERNAL "The output with which a test says it cannot run")

function(orvane_skipped_test name why)
  message(WARNING "${name} cannot run: ${why}")
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "cannot run: ${why}")
  set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "${ORVANE_CANNOT_RUN}")
endfunction()

function(orvane_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 T "" "NAME;PART" "NEEDS;HINTS;COMMAND")
  set(missing "")
  foreach(need IN LISTS T_NEEDS)
    if(NOT TARGET ${need})
      string(MAKE_C_IDENTIFIER "ORVANE_PROGRAM_${need}" found)
      find_program(${found} ${need} HINTS ${T_HINTS})
      if(NOT ${found})
        list(APPEND missing ${need})
      endif()
    endif()
  endforeach()
  if(missing)
    list(LENGTH missing count)
    list(JOIN missing ", " names)
    set(them them)
    if(count EQUAL 1)
      set(them it)
    endif()
    string(JOIN " " deps scripts/deps.sh ${T_PART})
    orvane_skipped_test(${T_NAME} "no ${names} here (${deps} installs ${them})")
    return()
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  set_tests_properties(${T_NAME} PROPERTIES SKIP_REGULAR_EXPRESSION "${ORVANE_CANNOT_RUN}")
endfunction()
