# cmake -DAPP_ID=... -DVERSION=... -DDESKTOP_FILE=... -DMETAINFO_FILE=... -P check-metadata.cmake
# Fails when the desktop entry and the metainfo disagree with the application id, or the
# metainfo has no release entry for the project's version.

file(READ ${METAINFO_FILE} metainfo)
file(READ ${DESKTOP_FILE} desktop)

set(errors "")
if(NOT metainfo MATCHES "<id>${APP_ID}</id>")
    string(APPEND errors "\n  metainfo: <id> is not ${APP_ID}")
endif()
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
    string(APPEND errors "\n  metainfo: no <launchable type=\"desktop-id\">${APP_ID}.desktop")
endif()
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    string(APPEND errors "\n  metainfo: no <release version=\"${VERSION}\"> (the project version)")
endif()
if(NOT desktop MATCHES "\nIcon=${APP_ID}\n")
    string(APPEND errors "\n  desktop file: Icon is not ${APP_ID}")
endif()
if(NOT desktop MATCHES "\nExec=dutyloop\n")
    string(APPEND errors "\n  desktop file: Exec is not dutyloop")
endif()

if(errors)
    message(FATAL_ERROR "Packaging metadata out of step:${errors}")
endif()
message(STATUS "Packaging metadata agree: ${APP_ID} ${VERSION}")
