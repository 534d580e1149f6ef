# Removes the files the last `make install` listed in MANIFEST (install_manifest.txt), then
# refreshes the databases the install brought up to date. Folders are left in place: they
# may hold other programs' files.
#
#   [DESTDIR=...] cmake -DMANIFEST=build/install_manifest.txt -P packaging/uninstall.cmake
#
# The manifest lists the paths without the install's DESTDIR; give the same DESTDIR here, or
# a staged install would be looked for, and removed, on the system itself.
include(${CMAKE_CURRENT_LIST_DIR}/desktop_caches.cmake)

if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} doesn't exist (it is written by make install).")
endif()

file(STRINGS "${MANIFEST}" files)
set(failed)
set(mime_packages)
foreach(file IN LISTS files)
  set(file "$ENV{DESTDIR}${file}")
  if(NOT EXISTS "${file}" AND NOT IS_SYMLINK "${file}")
    message(STATUS "Already gone: ${file}")
    continue()
  endif()
  file(REMOVE "${file}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    list(APPEND failed "${file}")
  else()
    message(STATUS "Removed: ${file}")
  endif()
  # The data folder is the one that holds mime/packages/trochograph.xml.
  if(file MATCHES "^(.*)/mime/packages/[^/]+$")
    list(APPEND mime_packages "${CMAKE_MATCH_1}")
  endif()
endforeach()

foreach(datadir IN LISTS mime_packages)
  trochograph_refresh_desktop_caches("${datadir}" EXISTING)
endforeach()

if(failed)
  list(JOIN failed "\n  " list)
  message(FATAL_ERROR "Could not remove:\n  ${list}")
endif()
