# The program: plain Win32 code that sees only platform/ and the standard library.
file(GLOB_RECURSE TESSELINK_PROGRAM_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/ui/*.cpp ${CMAKE_SOURCE_DIR}/apps/*.cpp
  ${CMAKE_SOURCE_DIR}/config/*.cpp ${CMAKE_SOURCE_DIR}/system/*.cpp)
file(GLOB_RECURSE TESSELINK_PROGRAM_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/* ${CMAKE_SOURCE_DIR}/ui/* ${CMAKE_SOURCE_DIR}/apps/*
  ${CMAKE_SOURCE_DIR}/config/* ${CMAKE_SOURCE_DIR}/system/*)

add_library(tesselink_program STATIC ${TESSELINK_PROGRAM_SOURCES})
target_include_directories(tesselink_program PUBLIC ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR})
target_link_libraries(tesselink_program PUBLIC tesselink_resources)

# The build fails when a program file includes anything but platform/ headers,
# its own headers and the C/C++ standard library.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/program-includes.ok
  COMMAND ${CMAKE_SOURCE_DIR}/cmake/check_program_includes.sh ${CMAKE_SOURCE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/program-includes.ok
  DEPENDS ${TESSELINK_PROGRAM_FILES} ${CMAKE_SOURCE_DIR}/cmake/check_program_includes.sh
  COMMENT "Checking the program's includes")
add_custom_target(program_include_check ALL DEPENDS ${CMAKE_BINARY_DIR}/program-includes.ok)
add_dependencies(tesselink_program program_include_check)
