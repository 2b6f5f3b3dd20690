# Language\English.lng is written from the program's built-in English table by a small
# tool built for this machine, so the shipped file cannot drift from the texts shown.
find_program(QUEN_HOST_CXX NAMES g++ c++ REQUIRED)
set(QUEN_ENGLISH_LNG ${CMAKE_BINARY_DIR}/Language/English.lng CACHE INTERNAL "generated English language file")
set(lang_tool ${CMAKE_BINARY_DIR}/lang-english)
set(lang_tool_src ${CMAKE_SOURCE_DIR}/tools/lang-english.cpp)
add_custom_command(OUTPUT ${QUEN_ENGLISH_LNG}
  COMMAND ${QUEN_HOST_CXX} -std=c++20 -O1 -Wall -Wextra -Werror -I${CMAKE_SOURCE_DIR}/src ${lang_tool_src} -o ${lang_tool}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/Language
  COMMAND ${lang_tool} ${QUEN_ENGLISH_LNG}
  DEPENDS ${lang_tool_src} ${CMAKE_SOURCE_DIR}/src/options/LangKeyList.h
  COMMENT "Writing Language/English.lng from the built-in texts"
  VERBATIM)
add_custom_target(english_lng ALL DEPENDS ${QUEN_ENGLISH_LNG})
