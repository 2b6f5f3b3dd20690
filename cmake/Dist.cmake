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
          COMMAND ${copy} ${programs} ${assets}/Quenlark.ini ${assets}/Patch.ddf ${sounds} ${QUEN_DIST}/
          COMMAND ${copy} ${templets} ${QUEN_DIST}/Templet/)
if(languages)
  list(APPEND steps COMMAND ${copy} ${languages} ${QUEN_DIST}/Language/)
endif()
add_custom_target(dist ALL ${steps}
  COMMENT "Assembling the program folder ${QUEN_DIST}"
  VERBATIM)
foreach(t Quenlark QuenMake QuenDiff QCab PatchHead)
  if(TARGET ${t})
    add_dependencies(dist ${t})
  endif()
endforeach()
