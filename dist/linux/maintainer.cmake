# Who answers for a package built now, as "Name <address>": the one the packager named when the
# build was configured; else DEBFULLNAME and DEBEMAIL, as Debian's own tools take them (DEBEMAIL
# may be "Name <address>" itself); else the user who builds it, at this machine's mail name.
# Nobody else's address is ever written in.
function(zupel_package_maintainer given out)
  if(NOT given STREQUAL "")
    set(${out} "${given}" PARENT_SCOPE)
    return()
  endif()
  set(name "$ENV{DEBFULLNAME}")
  set(address "$ENV{DEBEMAIL}")
  if(address MATCHES "^(.*[^ ]) *<([^>]+)>$")
    if(name STREQUAL "")
      set(name "${CMAKE_MATCH_1}")
    endif()
    set(address "${CMAKE_MATCH_2}")
  endif()
  if(name STREQUAL "" OR address STREQUAL "")
    execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(name STREQUAL "")
    # The full name of the account: the first field of its GECOS entry.
    execute_process(COMMAND getent passwd "${user}" OUTPUT_VARIABLE account
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(name "${user}")
    if(account MATCHES "^[^:]*:[^:]*:[^:]*:[^:]*:([^:,]+)")
      set(name "${CMAKE_MATCH_1}")
    endif()
  endif()
  if(address STREQUAL "")
    cmake_host_system_information(RESULT host QUERY FQDN)
    if(EXISTS /etc/mailname)
      file(STRINGS /etc/mailname host LIMIT_COUNT 1)
    endif()
    set(address "${user}@${host}")
  endif()
  set(${out} "${name} <${address}>" PARENT_SCOPE)
endfunction()

# Read by CPack as the package is made.
if(DEFINED CPACK_ZUPEL_MAINTAINER)
  zupel_package_maintainer("${CPACK_ZUPEL_MAINTAINER}" CPACK_DEBIAN_PACKAGE_MAINTAINER)
endif()
