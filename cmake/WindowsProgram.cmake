# tesselink_add_windows_program(<name> SOURCES <files...> [RESOURCES <rc-file>] [INCLUDES <dirs...>]
#                               [COMPILE_OPTIONS <flags...>] [LINK_OPTIONS <flags...>])
#
# Builds <name>.exe in the current binary folder with mingw-w64, against its own SDK headers
# and import libraries, for a real Win32 (Wine runs it in our tests): one object per source,
# each compiled through the compiler launcher (ccache) with its header dependencies tracked,
# the resource script compiled with windres, all linked statically. The target <name>_exe
# builds it with ALL. Only called when TESSELINK_MINGW_CXX was found.
find_program(TESSELINK_MINGW_CXX x86_64-w64-mingw32-g++)
find_program(TESSELINK_MINGW_WINDRES x86_64-w64-mingw32-windres)

set(TESSELINK_MINGW_FLAGS -std=c++20 -O1 -municode -DUNICODE -D_UNICODE -Wall -Wextra -Wno-missing-field-initializers)
if(TESSELINK_WERROR)
  list(APPEND TESSELINK_MINGW_FLAGS -Werror)
endif()

function(tesselink_add_windows_program name)
  cmake_parse_arguments(ARG "" "RESOURCES" "SOURCES;INCLUDES;COMPILE_OPTIONS;LINK_OPTIONS" ${ARGN})
  set(object_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}.objects)
  set(flags ${TESSELINK_MINGW_FLAGS} ${ARG_COMPILE_OPTIONS})
  foreach(dir ${ARG_INCLUDES})
    list(APPEND flags -I${dir})
  endforeach()
  set(objects "")
  foreach(source ${ARG_SOURCES})
    get_filename_component(source ${source} ABSOLUTE)
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
    set(object ${object_dir}/${relative}.obj)
    get_filename_component(folder ${object} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    add_custom_command(OUTPUT ${object}
                       COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} ${TESSELINK_MINGW_CXX} ${flags} -MD -MF ${object}.d
                               -c ${source} -o ${object}
                       DEPENDS ${source} DEPFILE ${object}.d
                       COMMENT "Compiling ${relative} for Windows" VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  if(ARG_RESOURCES)
    get_filename_component(rc ${ARG_RESOURCES} ABSOLUTE)
    get_filename_component(rc_dir ${rc} DIRECTORY)
    set(object ${object_dir}/resources.res.obj)
    _tesselink_read_resource_script(${rc} ids icons)
    add_custom_command(OUTPUT ${object} COMMAND ${TESSELINK_MINGW_WINDRES} ${rc} -O coff -o ${object}
                       WORKING_DIRECTORY ${rc_dir} DEPENDS ${rc} ${icons}
                       COMMENT "Compiling the resources of ${name}.exe" VERBATIM)
    list(APPEND objects ${object})
  endif()
  set(exe ${CMAKE_CURRENT_BINARY_DIR}/${name}.exe)
  add_custom_command(OUTPUT ${exe}
                     COMMAND ${TESSELINK_MINGW_CXX} ${flags} -static -o ${exe} ${objects} ${ARG_LINK_OPTIONS}
                             -lshell32 -lgdi32 -luser32 -ladvapi32
                     DEPENDS ${objects} COMMENT "Linking ${name}.exe for Windows" VERBATIM)
  add_custom_target(${name}_exe ALL DEPENDS ${exe})
endfunction()
