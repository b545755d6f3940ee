# Each folder's headers are reachable as "folder/Header.h" only from targets that link the
# folder's library: a layer that includes a header from a layer above it, or from a neighbour it
# does not link, fails to build instead of quietly growing a dependency the wrong way.
# The folder is offered through a directory holding nothing but a link to it, so the source
# root, where every folder sits side by side, is never on a library's include path.
function(tvdl_layer target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PRIVATE tvdl_warnings)
  set_property(TARGET ${target} PROPERTY TVDL_FOLDER ${folder})
  tvdl_check_includes(${target})
endfunction()

# The include path alone leaves two ways round it: a relative include ("../game/GameState.h") is
# found beside the including file, and a header no source of its own folder includes is compiled
# only with the include path of whoever includes it. So every source of a checked target is read
# before the target is built: an include that climbs out of its folder, or names a layer folder
# the target does not link, fails the build. HOST is the target that waits for the check, for a
# target (a header-only library) that is never built itself.
function(tvdl_check_includes target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "HOST" "")
  if(NOT arg_HOST)
    set(arg_HOST ${target})
  endif()
  set_property(GLOBAL APPEND PROPERTY TVDL_CHECKED_TARGETS "${target}=${arg_HOST}")
endfunction()

# The layer folders a target may include: those of the libraries it links, and of whatever they
# pass on to it, as its include path has them.
function(tvdl_reachable_folders target out)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(queue ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(queue ${target} LINK_LIBRARIES)
  endif()
  get_target_property(folders ${target} TVDL_FOLDER)
  if(NOT folders)
    set(folders "")
  endif()
  set(seen "")
  while(queue)
    list(POP_FRONT queue library)
    if(NOT TARGET ${library} OR library IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${library})
    get_target_property(folder ${library} TVDL_FOLDER)
    if(folder)
      list(APPEND folders ${folder})
    endif()
    get_target_property(next ${library} INTERFACE_LINK_LIBRARIES)
    if(next)
      list(APPEND queue ${next})
    endif()
  endwhile()
  list(REMOVE_DUPLICATES folders)
  set(${out} ${folders} PARENT_SCOPE)
endfunction()

# Run once the whole tree is read, when every target and every link is known.
function(tvdl_add_include_checks)
  get_property(checked GLOBAL PROPERTY TVDL_CHECKED_TARGETS)
  set(layers "")
  foreach(entry IN LISTS checked)
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 target)
    get_target_property(folder ${target} TVDL_FOLDER)
    if(folder)
      list(APPEND layers ${folder})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES layers)
  list(JOIN layers "|" layerText)
  foreach(entry IN LISTS checked)
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 target)
    list(GET pair 1 host)
    get_target_property(sourceDir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(files "")
    foreach(source IN LISTS sources)
      if(NOT IS_ABSOLUTE ${source})
        set(source ${sourceDir}/${source})
      endif()
      string(FIND ${source} ${sourceDir}/ inside)
      if(inside EQUAL 0 AND source MATCHES "\\.(h|cpp)$" AND EXISTS ${source})
        list(APPEND files ${source})
      endif()
    endforeach()
    tvdl_reachable_folders(${target} allowed)
    list(JOIN files "|" fileText)
    list(JOIN allowed "|" allowedText)
    set(stamp ${PROJECT_BINARY_DIR}/layers/${target}.includes)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -DFILES=${fileText} -DALLOWED=${allowedText} -DLAYERS=${layerText}
              -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
      DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
      COMMENT "Checking the includes of ${target}"
      VERBATIM)
    add_custom_target(${target}_includes DEPENDS ${stamp})
    add_dependencies(${host} ${target}_includes)
  endforeach()
endfunction()
cmake_language(DEFER CALL tvdl_add_include_checks)
