# The toolchain file of the web presets: the Qt for WebAssembly that tools/qt/qt-for-web.sh builds
# (./build.sh web makes it ready), where location.cmake says it is kept.
include("${CMAKE_CURRENT_LIST_DIR}/location.cmake")
if(NOT EXISTS "${TANDRO_QT_FOR_WEB}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for WebAssembly is in ${TANDRO_QT_FOR_WEB}: ./build.sh web "
        "builds one there (tools/qt/qt-for-web.sh).")
endif()
include("${TANDRO_QT_FOR_WEB}/lib/cmake/Qt6/qt.toolchain.cmake")
