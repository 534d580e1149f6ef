# Brings the shared databases under a data folder up to date after files were added or
# removed: the MIME database (which makes *.rlt files known), the menu's MIME associations
# and the hicolor icon cache. A tool that isn't installed is skipped, and a failing one only
# noted: the files themselves are in place either way.
#
# Mode ALWAYS builds each database; EXISTING refreshes only those already there, so that
# uninstalling from a staging folder leaves no new caches behind in it.
function(trochograph_refresh_desktop_caches datadir mode)
  trochograph_refresh_cache("${datadir}/mime" mime.cache ${mode} update-mime-database)
  trochograph_refresh_cache("${datadir}/applications" mimeinfo.cache ${mode} update-desktop-database -q)
  # -t: a hicolor folder under /usr/local has no index.theme of its own.
  trochograph_refresh_cache("${datadir}/icons/hicolor" icon-theme.cache ${mode}
                            gtk-update-icon-cache -q -t -f)
endfunction()

# Runs the tool, with its options, on `dir`; `cache` is the file the tool keeps there.
function(trochograph_refresh_cache dir cache mode tool)
  if(NOT IS_DIRECTORY "${dir}" OR (mode STREQUAL "EXISTING" AND NOT EXISTS "${dir}/${cache}"))
    return()
  endif()
  find_program(program ${tool} NO_CACHE)
  if(NOT program)
    return()
  endif()
  execute_process(COMMAND ${program} ${ARGN} "${dir}" RESULT_VARIABLE result)
  if(result EQUAL 0)
    message(STATUS "Updated: ${dir}/${cache}")
  else()
    message(STATUS "Not updated: ${dir}/${cache} (${tool}: ${result})")
  endif()
endfunction()
