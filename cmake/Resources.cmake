# tesselink_embed_resources(<target> <rc-file> <function-name>)
#
# Compiles the icons that a resource script names into <target>. The script holds lines
# `<number> ICON "<file>"` (file relative to the script), blank lines and // comments. At
# build time a generated source defines
#     std::span<const emu::ResourceBlob> <function-name>()
# with one blob per icon: type 14 (RT_GROUP_ICON), the number, and the whole file's bytes.
# The source is generated again whenever the script or one of its icons changes; a changed
# script also reconfigures, so that the list of icons the build depends on stays right.
#
# This file is also the generator: the build runs it with `cmake -P` and RC_FILE, OUTPUT and
# FUNCTION defined.

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()
set(_TESSELINK_RESOURCES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})
set(_TESSELINK_GROUP_ICON 14)

# Reads the script's icon lines into <out_ids> and <out_files> (absolute paths), failing on
# any other content, a duplicate number or a number outside 1..65535.
function(_tesselink_read_resource_script rc_file out_ids out_files)
  get_filename_component(rc_dir ${rc_file} DIRECTORY)
  file(STRINGS ${rc_file} lines)
  set(ids "")
  set(files "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(//.*)?$")
      continue()
    endif()
    if(NOT line MATCHES "^[ \t]*([0-9]+)[ \t]+ICON[ \t]+\"([^\"]+)\"[ \t]*(//.*)?$")
      message(FATAL_ERROR "${rc_file}: unsupported line: ${line}")
    endif()
    set(id ${CMAKE_MATCH_1})
    set(path ${rc_dir}/${CMAKE_MATCH_2})
    if(id EQUAL 0 OR id GREATER 65535)
      message(FATAL_ERROR "${rc_file}: resource number ${id} is outside 1 to 65535")
    endif()
    if(id IN_LIST ids)
      message(FATAL_ERROR "${rc_file}: resource number ${id} is used twice")
    endif()
    if(NOT EXISTS ${path})
      message(FATAL_ERROR "${rc_file}: icon ${path} of resource ${id} does not exist")
    endif()
    list(APPEND ids ${id})
    list(APPEND files ${path})
  endforeach()
  set(${out_ids} ${ids} PARENT_SCOPE)
  set(${out_files} ${files} PARENT_SCOPE)
endfunction()

# The file's bytes as a C array initialiser, 24 bytes to a line.
function(_tesselink_bytes_as_initialiser path out)
  file(READ ${path} hex HEX)
  if(hex STREQUAL "")
    message(FATAL_ERROR "${path} is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes ${hex})
  string(REPEAT "0x..," 24 line_of_bytes)
  string(REGEX REPLACE "(${line_of_bytes})" "\\1\n    " bytes ${bytes})
  set(${out} "    ${bytes}" PARENT_SCOPE)
endfunction()

function(_tesselink_write_resource_source rc_file output function_name)
  _tesselink_read_resource_script(${rc_file} ids files)
  set(arrays "")
  set(blobs "")
  foreach(id file IN ZIP_LISTS ids files)
    _tesselink_bytes_as_initialiser(${file} bytes)
    string(APPEND arrays "const unsigned char resource_${id}[] = {\n${bytes}\n};\n")
    string(APPEND blobs "    {${_TESSELINK_GROUP_ICON}, ${id}, resource_${id}, sizeof resource_${id}},\n")
  endforeach()
  file(WRITE ${output} "// Generated from ${rc_file} by cmake/Resources.cmake.\n"
       "#include <span>\n\n#include \"kernel/Module.h\"\n\nnamespace {\n\n${arrays}\n"
       "const emu::ResourceBlob resources[] = {\n${blobs}};\n\n}  // namespace\n\n"
       "std::span<const emu::ResourceBlob> ${function_name}() { return resources; }\n")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  _tesselink_write_resource_source(${RC_FILE} ${OUTPUT} ${FUNCTION})
  return()
endif()

function(tesselink_embed_resources target rc_file function_name)
  get_filename_component(rc_file ${rc_file} ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc_file})
  _tesselink_read_resource_script(${rc_file} ids files)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${function_name}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DRC_FILE=${rc_file} -DOUTPUT=${output} -DFUNCTION=${function_name}
            -P ${_TESSELINK_RESOURCES_SCRIPT}
    DEPENDS ${rc_file} ${files} ${_TESSELINK_RESOURCES_SCRIPT}
    COMMENT "Embedding the resources of ${rc_file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
