# Embeds the default device image (the folder default/ beside this file) into emulator_image.
set(default_image_root ${CMAKE_CURRENT_LIST_DIR}/default)
file(GLOB_RECURSE default_image_files CONFIGURE_DEPENDS LIST_DIRECTORIES false ${default_image_root}/*)
set(default_image_source ${CMAKE_CURRENT_BINARY_DIR}/DefaultImageFiles.cpp)
add_custom_command(
  OUTPUT ${default_image_source}
  COMMAND ${CMAKE_COMMAND} -DIMAGE_ROOT=${default_image_root} -DOUTPUT=${default_image_source}
          -P ${CMAKE_CURRENT_LIST_DIR}/EmbedImage.cmake
  DEPENDS ${default_image_files} ${CMAKE_CURRENT_LIST_DIR}/EmbedImage.cmake
  COMMENT "Embedding the default device image")
target_sources(emulator_image PRIVATE ${default_image_source})
