# The faces that Tandro's windows ask for, and their stand-ins, as platform/faces.txt says them
# once. Included by the top-level CMakeLists.txt; sets
#     TANDRO_FACE_PACKAGES   the Debian relations of the first free stand-in of each face
#     TANDRO_WEB_FACES       the faces' files that the web page carries, each "file@characters"
#     TANDRO_FACES_CPP       the stand-ins as the lines of a C++ table, "{ where, face, stand-in },"
# and, run as a script, says the Debian relations, a line each, for build.sh:
#     cmake -P platform/faces.cmake
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/faces.txt" tandro_face_lines REGEX "^[^#]")
set(TANDRO_FACE_PACKAGES)
set(TANDRO_WEB_FACES)
set(TANDRO_FACES_CPP)
foreach(line IN LISTS tandro_face_lines)
    string(REGEX REPLACE "  +" ";" columns "${line}")
    list(LENGTH columns count)
    if(count LESS 3)
        continue()
    endif()
    list(GET columns 0 where)
    list(GET columns 1 face)
    list(GET columns 2 stand_in)
    if(where STREQUAL "windows" OR where STREQUAL "free")
        string(APPEND TANDRO_FACES_CPP "    { \"${where}\", \"${face}\", \"${stand_in}\" },\n")
    endif()
    if(count GREATER 3)
        list(GET columns 3 package)
        if(NOT package STREQUAL "-")
            list(APPEND TANDRO_FACE_PACKAGES "${package}")
        endif()
    endif()
    if(count GREATER 4)
        list(SUBLIST columns 4 -1 files)
        foreach(file IN LISTS files)
            string(REPLACE " " "@" file "${file}")
            list(APPEND TANDRO_WEB_FACES "${file}")
        endforeach()
    endif()
endforeach()
list(REMOVE_DUPLICATES TANDRO_FACE_PACKAGES)

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(package IN LISTS TANDRO_FACE_PACKAGES)
        message("${package}")
    endforeach()
endif()
