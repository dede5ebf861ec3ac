# The heart's pictures, which ui/icons/make_heart.py draws: the sizes at which the windows wear it
# and the desktops show it (heart-<size>.png), said here once for the program's resources, the
# installed icon theme, and their tests; and every file the script writes, which the repository
# keeps so that building needs no Python. Included by the top-level CMakeLists.txt.
set(TANDRO_ICON_SIZES 16 32 48 64 128 256)
set(TANDRO_ICON_FILES heart-windows.ico heart.svg heart-192.png heart-512.png
    heart-maskable-512.png heart-touch-180.png)
foreach(size IN LISTS TANDRO_ICON_SIZES)
    list(APPEND TANDRO_ICON_FILES heart-${size}.png)
endforeach()
