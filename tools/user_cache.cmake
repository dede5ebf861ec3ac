# The user's cache, where what a build makes or downloads once is kept for the next build, in any
# folder: XDG_CACHE_HOME, or ~/.cache. TANDRO_USER_CACHE names it, for the Qts that the recipe
# builds (qt/location.cmake) and for what the web's tests take from npm (tests/web/tools.cmake).
if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(TANDRO_USER_CACHE "$ENV{XDG_CACHE_HOME}")
else()
    set(TANDRO_USER_CACHE "$ENV{HOME}/.cache")
endif()
