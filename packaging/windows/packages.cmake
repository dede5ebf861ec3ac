# Windows: tandro.exe, one file that needs nothing else installed, in a portable zip and in an
# installer made by NSIS. Included from packaging/CMakeLists.txt, with its folder's paths.

# Notepad and the installer's licence page read Windows' line ends.
set(licence "${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt")
set(readme "${CMAKE_CURRENT_BINARY_DIR}/README.txt")
configure_file("${PROJECT_SOURCE_DIR}/LICENSE" "${licence}" @ONLY NEWLINE_STYLE CRLF)
tandro_wrapped("${TANDRO_DESCRIPTION}" 88 TANDRO_DESCRIPTION_TEXT)
# (configure_file ends only the template's own lines so.)
string(REPLACE "\n" "\r\n" TANDRO_DESCRIPTION_TEXT "${TANDRO_DESCRIPTION_TEXT}")
configure_file(windows/README.txt.in "${readme}" @ONLY NEWLINE_STYLE CRLF)
install(FILES "${licence}" "${readme}" DESTINATION .)

# The zip unpacks to one folder, tandro-<version>-win64; cpack_config.cmake names the installer
# tandro-<version>-win64-setup.exe.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "tandro-${PROJECT_VERSION}-win64")
set(CPACK_RESOURCE_FILE_LICENSE "${licence}")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/../dated_files.cmake")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${PROJECT_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${PROJECT_NAME}")
# (tandro.exe is stripped as it is linked.)

# The installer: a 64-bit program (Unicode, for amd64), installing for all users into Program Files
# as Windows' own 64-bit programs do.
set(CPACK_NSIS_DEFINES "Unicode true\nTarget amd64-unicode")
# The installer keeps the date of each file it installs: the last commit's, which
# dated_files.cmake gives them. The files it only uses itself (the description of a page,
# which cpack writes as it runs) keep none, so that no time of the build's comes into it: dates
# are kept only for the files installed (from here to the end of the install commands below).
string(APPEND CPACK_NSIS_DEFINES "\nSetDateSave off")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave on")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_NSIS_MUI_ICON "${TANDRO_ICON_FILE}")
set(CPACK_NSIS_MUI_UNIICON "${TANDRO_ICON_FILE}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# Its entry in Apps & features: name, version, publisher (the vendor), icon, size and contact.
set(CPACK_NSIS_DISPLAY_NAME "${PROJECT_NAME}")
set(CPACK_NSIS_INSTALLED_ICON_NAME tandro.exe)
set(CPACK_NSIS_CONTACT "${TANDRO_CONTACT}")
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${PROJECT_NAME}")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  SetDateSave off
  !include FileFunc.nsh
  \${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2
  IntFmt $0 \"0x%08X\" $0
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" \"$0\"")
# The Start menu: Tandro, with the heart of tandro.exe, in a folder of its own with the uninstaller.
set(CPACK_NSIS_CREATE_ICONS_EXTRA "
  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${PROJECT_NAME}.lnk\" \"$INSTDIR\\tandro.exe\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "
  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${PROJECT_NAME}.lnk\"
  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
