# Run as the game is installed: writes the files that name what only installing knows. The menu
# entry names the program by its full path under the prefix installed to, since a launcher's
# search path may lack PREFIX/games; the changelog names who builds the package.
# The install rules set ZUPEL_LINUX_DIR, ZUPEL_STAGE_DIR, ZUPEL_APP_ID, ZUPEL_APPLICATIONS_DIR,
# ZUPEL_DOC_DIR, ZUPEL_GIVEN_MAINTAINER, PROJECT_VERSION and ZUPEL_CHANGELOG_DATE.
include(${ZUPEL_LINUX_DIR}/maintainer.cmake)
zupel_package_maintainer("${ZUPEL_GIVEN_MAINTAINER}" ZUPEL_MAINTAINER)
set(ZUPEL_PROGRAM "${CMAKE_INSTALL_PREFIX}/games/zupel")
# A path with blanks or other reserved characters is quoted as the desktop entry format asks.
string(REPLACE "%" "%%" ZUPEL_PROGRAM "${ZUPEL_PROGRAM}")
if(ZUPEL_PROGRAM MATCHES "[] \t\n\"'\\><~|&;$*?#()`[]")
  string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" ZUPEL_PROGRAM "${ZUPEL_PROGRAM}")
  string(REPLACE "\\" "\\\\" ZUPEL_PROGRAM "${ZUPEL_PROGRAM}")  # a string's own escape
  set(ZUPEL_PROGRAM "\"${ZUPEL_PROGRAM}\"")
endif()

# A folder of this destination's own: two installs from one build tree may run at once.
string(MD5 stage "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(stage "${ZUPEL_STAGE_DIR}/installing-${stage}")
configure_file(${ZUPEL_LINUX_DIR}/${ZUPEL_APP_ID}.desktop ${stage}/${ZUPEL_APP_ID}.desktop @ONLY)
configure_file(${ZUPEL_LINUX_DIR}/changelog.in ${stage}/changelog @ONLY)
# Compressed without names or dates, so the same sources give the same package.
execute_process(COMMAND gzip -9 -n ${stage}/changelog COMMAND_ERROR_IS_FATAL ANY)
file(INSTALL ${stage}/${ZUPEL_APP_ID}.desktop
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${ZUPEL_APPLICATIONS_DIR}")
file(INSTALL ${stage}/changelog.gz DESTINATION "${CMAKE_INSTALL_PREFIX}/${ZUPEL_DOC_DIR}")
file(REMOVE_RECURSE ${stage})
