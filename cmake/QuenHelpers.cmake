# Small helpers shared by every CMakeLists of the tree.

function(quen_warnings target)
  target_compile_options(${target} PRIVATE ${QUEN_WARN})
endfunction()

# The Windows system libraries every Win32 program of ours may use.
set(QUEN_WIN_LIBS advapi32 comctl32 comdlg32 shell32 shlwapi winmm ole32 oleaut32 uuid gdi32 user32 kernel32 cabinet)

# How the head and the layers it runs are compiled: for size, whole-program (link-time
# optimisation, one partition: several trip a GCC 12 fault on MinGW), and for one thread (the
# head never starts another, so local statics need no lock). Constructors stay as the C++ ABI
# has them: the size options' shared constructor bodies are kept once per source file by the
# whole-program link on Windows, 6 KB of copies. QUEN_HEAD_LTO=OFF gives a linker map per
# object file for tools/head-size.py.
option(QUEN_HEAD_LTO "Link the patch executable head with link-time optimisation" ON)
set(QUEN_HEAD_FLAGS -Oz -fno-threadsafe-statics -fno-declone-ctor-dtor)
if(QUEN_HEAD_LTO)
  list(APPEND QUEN_HEAD_FLAGS -flto -ffat-lto-objects -flto-partition=one)
endif()

# The manifest resource shared by programs without resources of their own.
set(QUEN_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/Quenlark.manifest)
set(QUEN_MANIFEST_RC_IN ${CMAKE_CURRENT_LIST_DIR}/CommonManifest.rc.in)

# quen_windows_program(NAME <name> [GUI] [OWN_RESOURCES] SOURCES <files...> [LIBS <libs...>])
# A statically linked Windows program with the common-controls manifest (programs with
# OWN_RESOURCES bring it in their own resource script); GUI programs use the windows
# subsystem.
function(quen_windows_program)
  cmake_parse_arguments(P "GUI;OWN_RESOURCES" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT P_OWN_RESOURCES)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${P_NAME}_manifest.rc)
    configure_file(${QUEN_MANIFEST_RC_IN} ${rc} @ONLY)
    list(APPEND P_SOURCES ${rc})
  endif()
  add_executable(${P_NAME} ${P_SOURCES})
  quen_warnings(${P_NAME})
  target_link_libraries(${P_NAME} PRIVATE ${P_LIBS})
  if(P_GUI)
    target_link_options(${P_NAME} PRIVATE -mwindows)
  else()
    target_link_options(${P_NAME} PRIVATE -mconsole)
  endif()
endfunction()
