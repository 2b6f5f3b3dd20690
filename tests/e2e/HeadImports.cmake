# Fails when the head imports a DLL that Windows does not always take from System32 (an
# imported DLL of any other name, left beside a downloaded patch, is loaded before it
# starts), or when it outgrows 200 KB: every patch executable carries it.
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND ${OBJDUMP} -p ${HEAD} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "No import list read from ${HEAD}")
endif()
foreach(line IN LISTS imports)
  string(TOLOWER "${line}" dll)
  if(NOT dll MATCHES "^dll name: (advapi32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|user32)\\.dll$")
    message(FATAL_ERROR "The head imports ${line}; load it with win::LoadSystemLibrary instead.")
  endif()
endforeach()
file(SIZE ${HEAD} size)
if(size GREATER 204800)
  message(FATAL_ERROR "The head is ${size} bytes, over its 204,800; see tools/head-size.py.")
endif()
