# Fails when the game links a library that its first window does not need: the sound libraries
# belong to the audio module, loaded at the first cue, the help file reader to the help viewer,
# and SQLite to the record, loaded at its first use. Linking one costs every start of the game
# milliseconds and megabytes.
# Run as: cmake -DPROGRAM=<tvdl> -DREADELF=<readelf> -P CheckStartLinks.cmake
execute_process(COMMAND "${READELF}" --dynamic "${PROGRAM}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${READELF} --dynamic ${PROGRAM} failed: ${result}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]*\\]" needed "${dynamic}")
if(NOT needed)
  message(FATAL_ERROR "no libraries found in ${PROGRAM}:\n${dynamic}")
endif()
foreach(entry IN LISTS needed)
  if(entry MATCHES "Multimedia|pulse|libchm|sqlite")
    message(FATAL_ERROR "${PROGRAM} links ${entry}, which only a module or the help viewer should load")
  endif()
endforeach()
message(STATUS "${PROGRAM} links: ${needed}")
