# Tandro's translations: a Qt Linguist file each, tandro_<name>.ts, named as Qt names its languages
# (de, pt_BR, zh_CN). Included by the top-level CMakeLists.txt; sets TANDRO_TRANSLATIONS (the names),
# TANDRO_TS_FILES (the files), and TANDRO_LUPDATE (how lupdate writes them anew from the sources,
# run in the top folder, keeping what translators wrote):
#     lupdate -locations none -no-obsolete engine platform ui app packaging/web/page.js -ts translations/*.ts
set(TANDRO_TRANSLATIONS ar de es fr hi it ja nl pl pt_BR ru sv tr uk zh_CN)
set(TANDRO_TS_FILES ${TANDRO_TRANSLATIONS})
list(TRANSFORM TANDRO_TS_FILES REPLACE "(.+)" "${CMAKE_CURRENT_LIST_DIR}/tandro_\\1.ts")
set(TANDRO_LUPDATE -locations none -no-obsolete engine platform ui app packaging/web/page.js)
