# The web page: the program compiled to WebAssembly by Debian's Emscripten.
# Debian's em++ runs tools under the system's Node.js, which does not search
# Debian's own module folder; every compile and link is started with it set,
# so a plain `cmake --build` works as well as the presets.
set(ENV{NODE_PATH} /usr/share/nodejs)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
