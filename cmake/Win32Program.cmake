# tesselink_add_win32_program(<name> SOURCES <files...> [LIBRARIES <libs...>])
#
# Builds a Win32 program (an `int WINAPI WinMain(HINSTANCE, HINSTANCE, LPWSTR, int)` and
# whatever it calls) into a host executable <name>. Running it boots a fresh headless device
# on the built-in default image in a temporary folder, installs the program as
# \Windows\<name>.exe, runs it as the device's first process, passes its standard output
# through and exits with the program's exit code.
function(tesselink_add_win32_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/platform)
  target_link_libraries(${name} PRIVATE emulator_hosted_main ${ARG_LIBRARIES})
endfunction()
