# Reads the executable's resources back as a script with the MinGW resource compiler, and checks
# the icon, the manifest and every field of the version record: from the resource script, compiled
# (-DRC=tandro.rc), or from the Windows executable itself (-DEXE=tandro.exe).
# The manifest is read as Windows reads it (manifest_says.py), so that what it says counts, not
# what it holds in comments.
#   cmake -DWINDRES=... -DPYTHON=... -DRC=<tandro.rc>|-DEXE=<tandro.exe> -DWORK=<scratch folder>
#       -P version_record.cmake
# Where no resource compiler is installed, says "TEST SKIPPED" and passes over the checks.
if(NOT WINDRES)
    message("TEST SKIPPED: x86_64-w64-mingw32-windres is not installed")
    return()
endif()
file(MAKE_DIRECTORY "${WORK}")
if(RC)
    set(EXE "${WORK}/tandro.res")
    execute_process(
        COMMAND "${WINDRES}" --preprocessor=cpp --preprocessor-arg=-xc
            --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32
            -I/usr/x86_64-w64-mingw32/include -i "${RC}" -O res -o "${EXE}"
        RESULT_VARIABLE failed ERROR_VARIABLE errors)
    if(failed)
        message(FATAL_ERROR "the resource script does not compile:\n${errors}")
    endif()
endif()
execute_process(COMMAND "${WINDRES}" -i "${EXE}" -O rc -o "${WORK}/read-back.rc"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the compiled resources cannot be read back")
endif()
file(READ "${WORK}/read-back.rc" resources)

# The manifest, as the resource compiler writes it back: a string a line, with "" for ".
string(REGEX MATCH "1 24 /\\* RT_MANIFEST \\*/[^\n]*\nBEGIN\n([^\n]*\n)*END" block "${resources}")
string(REGEX MATCHALL "\n  \"[^\n]*\"" lines "${block}")
set(manifest "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n  \"(.*)\"$" "\\1" line "${line}")
    string(REPLACE "\"\"" "\"" line "${line}")
    string(REPLACE "\\n" "\n" line "${line}")
    string(APPEND manifest "${line}")
endforeach()
file(WRITE "${WORK}/manifest.xml" "${manifest}")
execute_process(COMMAND "${PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/manifest_says.py"
    "${WORK}/manifest.xml" OUTPUT_VARIABLE said ERROR_VARIABLE errors RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the manifest cannot be read:\n${errors}")
endif()
string(APPEND resources "\n${said}")

set(expected
    # the heart: 32 and 16 pixels square, 16 colours, 4 bits a pixel; 48 and 256 pixels square,
    # 32 bits a pixel
    "\"\\040\\040\\020\\000\", 1, 4,"
    "\"\\020\\020\\020\\000\", 1, 4,"
    "\"\\060\\060\\000\\000\", 1, 32,"
    "\"\\000\\000\\000\\000\", 1, 32,"
    # the manifest, for the program (1), as Windows reads it: Windows 10 and 11, drawn for each
    # screen's resolution, the current common controls, the rights of whoever starts it
    "1 24 /* RT_MANIFEST */"
    "supportedOS: Id={8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
    "dpiAware: true/pm"
    "dpiAwareness: PerMonitorV2"
    "dependency: language=* name=Microsoft.Windows.Common-Controls processorArchitecture=* publicKeyToken=6595b64144ccf1df type=win32 version=6.0.0.0"
    "requestedExecutionLevel: level=asInvoker uiAccess=false"
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
        message(FATAL_ERROR "the resources lack: ${field}\n(what they hold, read back: ${WORK}/read-back.rc)")
    endif()
endforeach()
