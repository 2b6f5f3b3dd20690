# The program folder: dist/win64 or dist/win32, assembled from the built programs and the
# shipped assets, as the settings file expects it.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(QUEN_DIST_NAME win64)
else()
  set(QUEN_DIST_NAME win32)
endif()
set(QUEN_DIST ${CMAKE_SOURCE_DIR}/dist/${QUEN_DIST_NAME} CACHE INTERNAL "program folder")
set(assets ${CMAKE_SOURCE_DIR}/assets)

set(programs)
foreach(t Quenlark QuenMake QuenDiff QCab PatchHead)
  if(TARGET ${t})
    list(APPEND programs $<TARGET_FILE:${t}>)
  endif()
endforeach()
file(GLOB languages CONFIGURE_DEPENDS ${assets}/Language/*.lng)
file(GLOB templets CONFIGURE_DEPENDS ${assets}/Templet/*.tpl)
file(GLOB sounds CONFIGURE_DEPENDS ${assets}/sounds/*.wav)

set(copy ${CMAKE_COMMAND} -E copy_if_different)
set(steps COMMAND ${CMAKE_COMMAND} -E make_directory ${QUEN_DIST}/Templet ${QUEN_DIST}/Language
          COMMAND ${copy} ${programs} ${assets}/Patch.ddf ${sounds} ${QUEN_DIST}/
          COMMAND ${copy} ${templets} ${QUEN_DIST}/Templet/)
# The settings file carries the head's icon area (ICON_INIT_POSTION, ICON_INIT_LENG),
# read from the built head by a small tool built for this machine from the core's reader.
if(TARGET PatchHead)
  find_program(QUEN_HOST_CXX NAMES g++ c++ REQUIRED)
  set(icon_area ${CMAKE_BINARY_DIR}/icon-area)
  set(icon_area_src ${CMAKE_SOURCE_DIR}/tools/icon-area.cpp ${CMAKE_SOURCE_DIR}/src/maker/HeadIconArea.cpp)
  add_custom_command(OUTPUT ${icon_area}
    COMMAND ${QUEN_HOST_CXX} -std=c++20 -O1 -Wall -Wextra -Werror -I${CMAKE_SOURCE_DIR}/src ${icon_area_src} -o ${icon_area}
    DEPENDS ${icon_area_src} ${CMAKE_SOURCE_DIR}/src/maker/HeadIconArea.h
    COMMENT "Building the icon area reader for this machine"
    VERBATIM)
  add_custom_target(icon_area_tool DEPENDS ${icon_area})
  list(APPEND steps COMMAND ${icon_area} $<TARGET_FILE:PatchHead> ${assets}/Quenlark.ini ${QUEN_DIST}/Quenlark.ini)
else()
  list(APPEND steps COMMAND ${copy} ${assets}/Quenlark.ini ${QUEN_DIST}/)
endif()
list(APPEND steps COMMAND ${copy} ${QUEN_ENGLISH_LNG} ${languages} ${QUEN_DIST}/Language/)
add_custom_target(dist ALL ${steps}
  COMMENT "Assembling the program folder ${QUEN_DIST}"
  VERBATIM)
add_dependencies(dist english_lng)
if(TARGET icon_area_tool)
  add_dependencies(dist icon_area_tool)
endif()
foreach(t Quenlark QuenMake QuenDiff QCab PatchHead)
  if(TARGET ${t})
    add_dependencies(dist ${t})
  endif()
endforeach()
