# Compiles the executable's resource script with the MinGW resource compiler, reads the compiled
# resources back as a script, and checks the icon and every field of the version record.
#   cmake -DWINDRES=... -DRC=<tandro.rc> -DWORK=<scratch folder> -P version_record.cmake
# Where no resource compiler is installed, says "TEST SKIPPED" and passes over the checks.
if(NOT WINDRES)
    message("TEST SKIPPED: x86_64-w64-mingw32-windres is not installed")
    return()
endif()
file(MAKE_DIRECTORY "${WORK}")
execute_process(
    COMMAND "${WINDRES}" --preprocessor=cpp --preprocessor-arg=-xc
        --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32
        -I/usr/x86_64-w64-mingw32/include -i "${RC}" -O res -o "${WORK}/tandro.res"
    RESULT_VARIABLE failed ERROR_VARIABLE errors)
if(failed)
    message(FATAL_ERROR "the resource script does not compile:\n${errors}")
endif()
execute_process(COMMAND "${WINDRES}" -i "${WORK}/tandro.res" -O rc -o "${WORK}/read-back.rc"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the compiled resources cannot be read back")
endif()
file(READ "${WORK}/read-back.rc" resources)
message("${resources}")

set(expected
    # the heart: 32 and 16 pixels square, 16 colours, 4 bits a pixel
    "\"\\040\\040\\020\\000\", 1, 4,"
    "\"\\020\\020\\020\\000\", 1, 4,"
    "FILEVERSION 2, 1, 0, 0"
    "PRODUCTVERSION 2, 1, 0, 0"
    "FILETYPE 0x1" # an application
    "BLOCK \"040904b0\"" # U.S. English strings
    "VALUE \"FileDescription\", \"Software for Lovers ..\""
    "VALUE \"FileVersion\", \"2.01\""
    "VALUE \"InternalName\", \"Tandro\""
    "VALUE \"ProductName\", \"Tandro\""
    "VALUE \"ProductVersion\", \"2.01\""
    "VALUE \"Translation\", 0x409, 1200" # U.S. English, Unicode
)
foreach(field IN LISTS expected)
    string(FIND "${resources}" "${field}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the compiled resources lack: ${field}")
    endif()
endforeach()
