# What Windows users download, beside the floor, an empty window built with the same Qt and linked
# the same way, with the bound that tandro.exe keeps; each executable also zipped alone, as the zip
# packs it. Not a test: it fails only where a file is missing.
#     cmake -DEXE=tandro.exe -DFLOOR=bare-window.exe -DPACKAGES=FOLDER -DVERSION=V -DWORK=FOLDER
#           -P sizes.cmake
set(most 10485760) # 10 MiB

# "bytes (N.NN MiB)" for a size in bytes.
function(described size variable)
    math(EXPR hundredths "(${size} * 100 + 524288) / 1048576")
    math(EXPR whole "${hundredths} / 100")
    math(EXPR part "${hundredths} % 100")
    if(part LESS 10)
        set(part "0${part}")
    endif()
    set(${variable} "${size} bytes (${whole}.${part} MiB)" PARENT_SCOPE)
endfunction()

# The size of file zipped alone.
function(zipped file variable)
    get_filename_component(name "${file}" NAME)
    file(MAKE_DIRECTORY "${WORK}")
    file(ARCHIVE_CREATE OUTPUT "${WORK}/${name}.zip" PATHS "${file}" FORMAT zip)
    file(SIZE "${WORK}/${name}.zip" size)
    set(${variable} ${size} PARENT_SCOPE)
endfunction()

set(zip "${PACKAGES}/tandro-${VERSION}-win64.zip")
set(installer "${PACKAGES}/tandro-${VERSION}-win64-setup.exe")
foreach(file "${EXE}" "${FLOOR}" "${zip}" "${installer}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "${file} is not there to measure.")
    endif()
endforeach()
file(SIZE "${EXE}" exe)
file(SIZE "${FLOOR}" floor)
file(SIZE "${zip}" zip_size)
file(SIZE "${installer}" installer_size)
zipped("${EXE}" exe_zipped)
zipped("${FLOOR}" floor_zipped)
math(EXPR over "${exe} - ${floor}")
math(EXPR over_zipped "${exe_zipped} - ${floor_zipped}")
if(exe GREATER most)
    set(kept "OVER")
else()
    set(kept "within")
endif()
foreach(size exe floor zip_size installer_size exe_zipped floor_zipped over over_zipped most)
    described(${${size}} ${size}_said)
endforeach()
message("What Windows users download, against an empty window built and linked the same way:\n"
    "  tandro.exe                  ${exe_said}, ${kept} the bound of ${most_said}\n"
    "  the empty window            ${floor_said}\n"
    "  Tandro over the empty window ${over_said}\n"
    "  zipped alone: tandro.exe ${exe_zipped_said}, the empty window ${floor_zipped_said}"
    " (Tandro ${over_zipped_said} over it)\n"
    "  tandro-${VERSION}-win64.zip       ${zip_size_said}\n"
    "  tandro-${VERSION}-win64-setup.exe ${installer_size_said}")
