# Small helpers shared by every CMakeLists of the tree.

function(quen_warnings target)
  target_compile_options(${target} PRIVATE ${QUEN_WARN})
endfunction()

# The Windows system libraries every Win32 program of ours may use.
set(QUEN_WIN_LIBS advapi32 comctl32 comdlg32 shell32 shlwapi winmm ole32 oleaut32 uuid gdi32 user32 kernel32 cabinet)

# quen_windows_program(NAME <name> [GUI] SOURCES <files...> [LIBS <libs...>])
# A statically linked Windows program; GUI programs use the windows subsystem.
function(quen_windows_program)
  cmake_parse_arguments(P "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${P_NAME} ${P_SOURCES})
  quen_warnings(${P_NAME})
  target_link_libraries(${P_NAME} PRIVATE ${P_LIBS})
  if(P_GUI)
    target_link_options(${P_NAME} PRIVATE -mwindows)
  else()
    target_link_options(${P_NAME} PRIVATE -mconsole)
  endif()
endfunction()
