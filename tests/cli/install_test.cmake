# Installs the build into a staging directory as the Debian package does (prefix /usr under
# DESTDIR) and checks that every file the package must hold is in place.
file(REMOVE_RECURSE "${STAGING_DIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGING_DIR}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  usr/bin/fontedit
  usr/bin/fontedit-cli
  usr/share/applications/fontedit.desktop
  usr/share/icons/hicolor/16x16/apps/fontedit.xpm
  usr/share/icons/hicolor/32x32/apps/fontedit.xpm)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${STAGING_DIR}/${file}")
    message(FATAL_ERROR "not installed: /${file}")
  endif()
endforeach()

file(GLOB_RECURSE installed RELATIVE "${STAGING_DIR}" "${STAGING_DIR}/*")
list(REMOVE_ITEM installed ${expected})
if(installed)
  message(FATAL_ERROR "installed but not expected: ${installed}")
endif()

foreach(program fontedit fontedit-cli)
  file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${STAGING_DIR}/usr/bin/${program}"
       UNRESOLVED_DEPENDENCIES_VAR unresolved)
  if(unresolved)
    message(FATAL_ERROR "${program} needs libraries that are not found: ${unresolved}")
  endif()
endforeach()

execute_process(COMMAND "${STAGING_DIR}/usr/bin/fontedit-cli" --version
                OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^fontedit-cli [0-9]")
  message(FATAL_ERROR "the installed fontedit-cli does not run: ${status} ${version}")
endif()
