# How a program is linked for Windows, the game and the figures' bare window alike, so that the
# figures hold tandro.exe against the smallest program of Qt's widgets linked the same way:
#     tandro_windows_program(TARGET)
function(tandro_windows_program target)
    if(NOT MINGW)
        return()
    endif()
    # What players download carries no debugging symbols: a third of the size. It is optimised for
    # size as a whole, as the Qt it links is compiled for size (tools/qt/build-qt.sh); the tests
    # link the same code without, in less time.
    target_link_options(${target} PRIVATE "$<$<CONFIG:Release,MinSizeRel>:-s;-flto=auto;-Os>")
    # Its pictures are PNG files, which Qt reads without a plugin.
    qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats)
endfunction()
