# The web build (Emscripten, `emcmake cmake`): the device's threads are the page's workers
# (-pthread), and a stopped device thread unwinds by an exception, which the whole
# emulator must let pass (-fexceptions).
add_compile_options(-pthread -fexceptions)
add_link_options(-pthread -fexceptions)
