# cmake -DDESKTOP_FILE=... -DMETAINFO_FILE=... -P check-translated-metadata.cmake
# Fails when the installed desktop entry or metainfo lacks its German or French texts: a menu
# searched for "Dienstplan" or "équipe" must find the program, and the software centre show
# its description in the user's language.

file(READ ${DESKTOP_FILE} desktop)
file(READ ${METAINFO_FILE} metainfo)

set(errors "")
foreach(language de fr)
    foreach(key Name GenericName Comment Keywords)
        if(NOT desktop MATCHES "\n${key}\\[${language}\\]=[^\n]+")
            string(APPEND errors "\n  desktop file: no ${key}[${language}]")
        endif()
    endforeach()
    # Every English text of the metainfo, and as many in the language.
    foreach(tag name summary p caption)
        string(REGEX MATCHALL "<${tag}>" english "${metainfo}")
        string(REGEX MATCHALL "<${tag} xml:lang=\"${language}\">" translated "${metainfo}")
        list(LENGTH english english_count)
        list(LENGTH translated translated_count)
        if(NOT translated_count EQUAL english_count)
            string(APPEND errors "\n  metainfo: ${translated_count} of ${english_count} <${tag}> "
                                 "in ${language}")
        endif()
    endforeach()
endforeach()
foreach(wanted "Keywords\\[de\\]=[^\n]*Dienstplan;" "Keywords\\[fr\\]=[^\n]*équipe;"
               "<keyword xml:lang=\"de\">Dienstplan</keyword>"
               "<keyword xml:lang=\"fr\">équipe</keyword>")
    if(NOT "${desktop}${metainfo}" MATCHES "${wanted}")
        string(APPEND errors "\n  no ${wanted}")
    endif()
endforeach()

if(errors)
    message(FATAL_ERROR "Desktop entry and metainfo not translated:${errors}")
endif()
message(STATUS "Desktop entry and metainfo in German and French")
