# The resources that a Windows executable carries: the heart icon, the application manifest and the
# version record, made from project(). Included by the top-level CMakeLists.txt; app/ compiles them
# into tandro.exe, and the Linux build's tests read the script back.

# The Windows version record writes the minor number in two digits: 2.1 is "2.01".
if(PROJECT_VERSION_MINOR LESS 10)
    set(TANDRO_VERSION_RECORD "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(TANDRO_VERSION_RECORD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
set(TANDRO_ICON_FILE "${PROJECT_SOURCE_DIR}/ui/icons/heart-windows.ico")

# Writes the resource script and the manifest it names into folder; sets rc_variable to the
# script's path and manifest_variable to the manifest's.
function(tandro_configure_windows_resources folder rc_variable manifest_variable)
    set(TANDRO_MANIFEST "${folder}/tandro.manifest")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/tandro.manifest.in"
        "${TANDRO_MANIFEST}" @ONLY)
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/tandro.rc.in" "${folder}/tandro.rc"
        @ONLY)
    set(${rc_variable} "${folder}/tandro.rc" PARENT_SCOPE)
    set(${manifest_variable} "${TANDRO_MANIFEST}" PARENT_SCOPE)
endfunction()
