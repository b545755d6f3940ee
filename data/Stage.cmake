# Installs the build tree into a fresh staging folder.
# Run as: cmake -DBUILD=<build tree> -DSTAGE=<folder> -P Stage.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${STAGE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "installing into ${STAGE} failed: ${result}")
endif()
