# The toolchain file of the web presets: the Qt for WebAssembly that tools/qt/build-qt.sh builds
# (./build.sh web makes it ready), where location.cmake says it is kept, with Debian's emscripten:
# the emsdk of links to it that the recipe made for Qt's CMake files beside that Qt.
include("${CMAKE_CURRENT_LIST_DIR}/location.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/kept.cmake")
tandro_use_kept_qt(web "${TANDRO_QT_FOR_WEB}" "Qt for WebAssembly")
set(ENV{EMSDK} "${TANDRO_QT_FOR_WEB}/emsdk")
include("${TANDRO_QT_FOR_WEB}/lib/cmake/Qt6/qt.toolchain.cmake")
