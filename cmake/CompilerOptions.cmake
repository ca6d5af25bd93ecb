# The same warnings in every build; our own scripts make them errors (TESSELINK_WERROR), so that
# a user's or packager's build with another compiler or build type is not stopped by a new one.
option(TESSELINK_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers)
if(TESSELINK_WERROR)
  add_compile_options(-Werror)
endif()

if(TESSELINK_SANITIZE)
  list(JOIN TESSELINK_SANITIZE "," sanitizers)
  add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${sanitizers})
endif()
