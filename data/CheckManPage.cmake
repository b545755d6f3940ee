# Fails when an option that "tvdl --help" lists is missing from the manual page.
# Run as: cmake -DPROGRAM=<tvdl> -DPAGE=<tvdl.6> -P CheckManPage.cmake
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE usage RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()
file(READ "${PAGE}" page)
# roff writes a plain hyphen as "\-".
string(REPLACE "\\-" "-" page "${page}")

# Brackets would group list items in CMake, so they go before the options are picked out.
string(REPLACE "[" " " usage "${usage}")
string(REPLACE "]" " " usage "${usage}")
string(REGEX MATCHALL "(^|[ \t\n|])--?[a-z][a-z-]*" options "${usage}")
list(TRANSFORM options REPLACE "^[ \t\n|]" "")
list(REMOVE_DUPLICATES options)
if(NOT options)
  message(FATAL_ERROR "no options found in the usage text:\n${usage}")
endif()
set(missing "")
foreach(option IN LISTS options)
  # An option counts as documented where it stands as a word of its own.
  string(REGEX MATCH "(^|[^a-z-])${option}([^a-z-]|$)" found "${page}")
  if(NOT found)
    list(APPEND missing "${option}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "options missing from ${PAGE}: ${missing}")
endif()
message(STATUS "all options documented: ${options}")
