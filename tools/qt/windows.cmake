# The toolchain file of the windows presets: the Qt for Windows that tools/qt/build-qt.sh builds
# (./build.sh windows makes it ready), where location.cmake says it is kept.
include("${CMAKE_CURRENT_LIST_DIR}/location.cmake")
if(NOT EXISTS "${TANDRO_QT_FOR_WINDOWS}/.built-here")
    message(FATAL_ERROR "No Qt for Windows is in ${TANDRO_QT_FOR_WINDOWS}: ./build.sh windows "
        "builds one there (tools/qt/build-qt.sh windows).")
endif()
include("${TANDRO_QT_FOR_WINDOWS}/lib/cmake/Qt6/qt.toolchain.cmake")
