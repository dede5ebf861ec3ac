# The toolchain file of the windows presets: the Qt for Windows that tools/qt/build-qt.sh builds
# (./build.sh windows makes it ready), where location.cmake says it is kept.
include("${CMAKE_CURRENT_LIST_DIR}/location.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/kept.cmake")
tandro_use_kept_qt(windows "${TANDRO_QT_FOR_WINDOWS}" "Qt for Windows")
include("${TANDRO_QT_FOR_WINDOWS}/lib/cmake/Qt6/qt.toolchain.cmake")
