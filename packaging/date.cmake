# The date of what Tandro's builds make, included by the top-level CMakeLists.txt: the packages, the
# manual page and tandro.exe are dated by it. Sets TANDRO_SOURCE_DATE_EPOCH, and TANDRO_SOURCE_DATE to
# "SOURCE_DATE_EPOCH=<it>" for commands that read it from their environment (both empty where no
# commit dates these sources).

# Every date that the packages carry is the last commit's, as reproducible builds ask: two builds of
# the same commit give the same files, wherever and whenever they are made. A SOURCE_DATE_EPOCH
# given from outside comes first; a commit made later reconfigures the build.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(TANDRO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE TANDRO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE failed ERROR_QUIET)
        execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --absolute-git-dir
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(NOT failed AND EXISTS "${git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
        endif()
    endif()
endif()
if(TANDRO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    set(TANDRO_SOURCE_DATE "SOURCE_DATE_EPOCH=${TANDRO_SOURCE_DATE_EPOCH}")
else()
    message(STATUS "No commit to date the packages from: they carry the time they are made")
    set(TANDRO_SOURCE_DATE_EPOCH "")
    set(TANDRO_SOURCE_DATE "")
endif()
