# The warnings every target of ours is built with; CI makes them errors (-DTVDL_WERROR=ON).
add_library(tvdl_warnings INTERFACE)
target_compile_options(tvdl_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wconversion -Wsign-conversion)
if(TVDL_WERROR)
  target_compile_options(tvdl_warnings INTERFACE -Werror)
endif()
