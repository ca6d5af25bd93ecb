# emulator_glyph_table: the glyph table rendered by make_glyph_table (host/) and its faces.
# Built for the web build's text, and natively for the tests that hold it to FreeType.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(glyph_tool_dir ${CMAKE_BINARY_DIR}/glyph-table-tool)
  set(glyph_tool ${glyph_tool_dir}/make_glyph_table)
  # The host's own compiler: the build's is a cross compiler.
  ExternalProject_Add(glyph_table_tool
    SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/host
    BINARY_DIR ${glyph_tool_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${glyph_tool}
    BUILD_ALWAYS ON)
  set(glyph_tool_target glyph_table_tool ${glyph_tool})
else()
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/host ${CMAKE_BINARY_DIR}/glyph-table-tool)
  set(glyph_tool make_glyph_table)
  set(glyph_tool_target make_glyph_table)
endif()

set(glyph_table_source ${CMAKE_CURRENT_BINARY_DIR}/GlyphTableData.cpp)
add_custom_command(
  OUTPUT ${glyph_table_source}
  COMMAND ${glyph_tool} ${glyph_table_source}
  DEPENDS ${glyph_tool_target}
  COMMENT "Rendering the glyph table")
add_library(emulator_glyph_table STATIC ${CMAKE_CURRENT_LIST_DIR}/GlyphTableFaces.cpp ${glyph_table_source})
target_include_directories(emulator_glyph_table PUBLIC ${CMAKE_SOURCE_DIR}/emulator ${CMAKE_SOURCE_DIR}/platform)
