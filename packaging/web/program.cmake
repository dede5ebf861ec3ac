# How a program is built for the web, the game and the figures' empty window alike, so that the
# figures hold the game against the smallest page of Qt's widgets made the same way:
#     tandro_web_program(TARGET)
function(tandro_web_program target)
    # The page shows PNG pictures only, which Qt reads without a plugin.
    qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats)
    # What a browser fetches is made as small as emscripten's optimiser makes it; the loader runs
    # in web pages only, not in Node.js or workers. Its script makes no script from text (embind's
    # calls between JavaScript and C++ are otherwise written as text and compiled with new
    # Function), which the page's policy refuses.
    target_link_options(${target} PRIVATE -Oz -sENVIRONMENT=web -sDYNAMIC_EXECUTION=0)
endfunction()
