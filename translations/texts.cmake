# What Tandro says of itself outside its windows (platform/description.h: what it is, in a paragraph
# and a sentence, its kind, and words to find it by), in English and in each translation, read from
# the translations' files, for the packaging to write into the desktop entry, the software centres'
# entry, the packages and the web page. Included by the top-level CMakeLists.txt, after
# translations.cmake.
#
#     tandro_text(ID VARIABLE)                the English text of the message of that id
#     tandro_translated_text(ID NAME VARIABLE)   its translation in translation NAME (de, pt_BR)
#     tandro_translated_source(CONTEXT SOURCE NAME VARIABLE)   the translation of a text by its
#                                             context and English, as the web page asks for them
# A text is as the file has it, XML's escapes undone, or empty where the file has none.

function(_tandro_unescape text variable)
    # A character by its number (lupdate writes some so: a no-break space), in UTF-8.
    # (Each found without its semicolon, which a CMake list would take for its own.)
    string(REGEX MATCHALL "&#x[0-9a-fA-F]+" references "${text}")
    list(REMOVE_DUPLICATES references)
    foreach(reference IN LISTS references)
        string(REPLACE "&#x" "0x" code "${reference}")
        math(EXPR code "${code}")
        if(code LESS 128)
            string(ASCII ${code} character)
        elseif(code LESS 2048)
            math(EXPR first "192 + (${code} >> 6)")
            math(EXPR second "128 + (${code} & 63)")
            string(ASCII ${first} ${second} character)
        else()
            math(EXPR first "224 + (${code} >> 12)")
            math(EXPR second "128 + ((${code} >> 6) & 63)")
            math(EXPR third "128 + (${code} & 63)")
            string(ASCII ${first} ${second} ${third} character)
        endif()
        string(REPLACE "${reference};" "${character}" text "${text}")
    endforeach()
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# The message of id in file, as a whole element, or empty.
function(_tandro_message file id variable)
    file(READ "${file}" content)
    string(REGEX MATCH "<message id=\"${id}\">[^\n]*\n([^\n]*\n)*[^\n]*</message>" message
        "${content}")
    # Up to the message's own end only.
    string(FIND "${message}" "</message>" end)
    string(SUBSTRING "${message}" 0 ${end} message)
    set(${variable} "${message}" PARENT_SCOPE)
endfunction()

function(tandro_text id variable)
    list(GET TANDRO_TS_FILES 0 file)
    _tandro_message("${file}" "${id}" message)
    string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
    _tandro_unescape("${CMAKE_MATCH_1}" text)
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

function(tandro_translated_text id name variable)
    _tandro_message("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/tandro_${name}.ts" "${id}" message)
    string(REGEX MATCH "<translation>([^<]*)</translation>" ignored "${message}")
    _tandro_unescape("${CMAKE_MATCH_1}" text)
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# text wrapped at width characters, a line ending at a space: as a text file or a package's
# description shows it. (Only English is wrapped so: the texts of other languages go where the
# reader wraps them.)
function(tandro_wrapped text width variable)
    string(REGEX MATCHALL "[^ ]+" words "${text}")
    set(wrapped "")
    set(line "")
    foreach(word IN LISTS words)
        string(LENGTH "${line} ${word}" length)
        if(line STREQUAL "")
            set(line "${word}")
        elseif(length GREATER width)
            string(APPEND wrapped "${line}\n")
            set(line "${word}")
        else()
            string(APPEND line " ${word}")
        endif()
    endforeach()
    set(${variable} "${wrapped}${line}" PARENT_SCOPE)
endfunction()

# text as XML carries it.
function(tandro_xml_escaped text variable)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# What Tandro says of itself, in English: TANDRO_DESCRIPTION, TANDRO_SUMMARY, TANDRO_GENERIC_NAME,
# TANDRO_KEYWORDS.
foreach(id description summary generic-name keywords)
    string(TOUPPER "TANDRO_${id}" variable)
    string(REPLACE "-" "_" variable "${variable}")
    tandro_text(${id} ${variable})
endforeach()
