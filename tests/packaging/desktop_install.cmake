# Installs the build into a scratch prefix and checks that desktops find what they expect where
# they look for it: the program, its launcher, its icon at every size and its software-centre
# entry, validated by the desktop's own tools.
#   cmake -DBUILD=<build folder> -DPREFIX=<scratch folder> -DBINDIR=<bin> -DAPP_ID=...
#       -P desktop_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
    RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(desktop_file "${PREFIX}/share/applications/${APP_ID}.desktop")
set(metainfo_file "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
foreach(file "${PREFIX}/${BINDIR}/tandro" "${desktop_file}" "${metainfo_file}"
        "${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# Each icon is a PNG of its folder's size: the width and height stand at bytes 16 to 23.
foreach(size IN LISTS SIZES)
    set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    if(NOT EXISTS "${icon}")
        message(FATAL_ERROR "not installed: ${icon}")
    endif()
    file(READ "${icon}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 16 dimensions)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REPLACE "0x" "" side "${side}")
    string(LENGTH "${side}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    if(NOT dimensions STREQUAL "${zeros}${side}${zeros}${side}")
        message(FATAL_ERROR "${icon} is not ${size} x ${size}")
    endif()
endforeach()

file(READ "${desktop_file}" desktop)
# The launcher names the program where it was installed.
foreach(line "Exec=${PREFIX}/${BINDIR}/tandro" "Icon=${APP_ID}" "Name=Tandro")
    string(FIND "${desktop}" "${line}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the launcher lacks ${line}")
    endif()
endforeach()
file(READ "${metainfo_file}" metainfo)
foreach(element "<release version=\"2.1\"" "<project_license>GPL-3.0-or-later</project_license>")
    string(FIND "${metainfo}" "${element}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the software-centre entry lacks ${element}")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop_file}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "desktop-file-validate refuses the launcher")
    endif()
endif()
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo_file}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "appstreamcli refuses the software-centre entry")
    endif()
endif()
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
    message("TEST SKIPPED: desktop-file-validate or appstreamcli is not installed")
endif()
