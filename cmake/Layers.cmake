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
endfunction()
