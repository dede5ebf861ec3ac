# The toolchain file of the web presets: the Qt for WebAssembly that tools/qt/build-qt.sh builds
# (./build.sh web makes it ready), where location.cmake says it is kept, with Debian's emscripten:
# the emsdk of links to it that the recipe made for Qt's CMake files beside that Qt.
include("${CMAKE_CURRENT_LIST_DIR}/location.cmake")
if(NOT EXISTS "${TANDRO_QT_FOR_WEB}/.built-here")
    message(FATAL_ERROR "No Qt for WebAssembly is in ${TANDRO_QT_FOR_WEB}: ./build.sh web "
        "builds one there (tools/qt/build-qt.sh web).")
endif()
set(ENV{EMSDK} "${TANDRO_QT_FOR_WEB}/emsdk")
include("${TANDRO_QT_FOR_WEB}/lib/cmake/Qt6/qt.toolchain.cmake")
