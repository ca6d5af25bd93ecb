# Warnings are errors everywhere; sanitizers are chosen per build tree.
add_compile_options(-Wall -Wextra -Werror -Wno-missing-field-initializers)

if(TESSELINK_SANITIZE)
  list(JOIN TESSELINK_SANITIZE "," sanitizers)
  add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${sanitizers})
endif()
