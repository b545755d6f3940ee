# Fails unless every theme size holds a PNG icon of exactly that size.
# Run as: cmake -DICONS=<hicolor folder> -DNAME=<file name> -P CheckIcons.cmake
foreach(size IN ITEMS 16 32 48 64 128 256)
  set(file "${ICONS}/${size}x${size}/apps/${NAME}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "missing: ${file}")
  endif()
  # PNG signature, then the IHDR chunk with width and height as 32-bit big-endian numbers.
  file(READ "${file}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${file} is not a ${size} x ${size} PNG (${width} x ${height})")
  endif()
endforeach()
