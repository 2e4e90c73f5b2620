# The newest release the AppStream metainfo lists is VERSION, with a date,
# and the Debian changelog's newest entry packages it.
# cmake -DVERSION=A.B.C.D -DMETAINFO=path -DCHANGELOG=path -P check_release_notes.cmake
file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release [^>]*>" release "${metainfo}")
if(NOT release MATCHES "version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest AppStream release is '${release}', not version ${VERSION}")
endif()
if(NOT release MATCHES "date=\"[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]\"")
  message(FATAL_ERROR "the AppStream release ${VERSION} has no date: '${release}'")
endif()

file(STRINGS ${CHANGELOG} entry LIMIT_COUNT 1)
if(NOT entry MATCHES "^qob \\(${VERSION}-[0-9]+\\) ")
  message(FATAL_ERROR "the Debian changelog's newest entry '${entry}' does not package ${VERSION}")
endif()
