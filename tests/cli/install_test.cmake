# Installs the build into a staging directory as the Debian package does (prefix /usr under
# DESTDIR) and checks that every file the package must hold is in place.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${STAGING_DIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGING_DIR}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(icons usr/share/icons/hicolor)
set(expected
  usr/bin/fontedit
  usr/bin/fontedit-cli
  usr/share/applications/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  ${icons}/scalable/apps/${APP_ID}.svg
  ${icons}/16x16/apps/${APP_ID}.xpm
  ${icons}/32x32/apps/${APP_ID}.xpm
  ${icons}/48x48/apps/${APP_ID}.png
  ${icons}/64x64/apps/${APP_ID}.png
  ${icons}/128x128/apps/${APP_ID}.png
  ${icons}/256x256/apps/${APP_ID}.png
  usr/share/man/man1/fontedit.1.gz
  usr/share/man/man1/fontedit-cli.1.gz
  usr/share/doc/fontedit/copyright
  usr/share/doc/fontedit/changelog.gz
  usr/share/doc/fontedit/README.md
  usr/share/fontedit/examples/ascii/fntdat.txt
  usr/share/fontedit/examples/ascii/mojidat.txt)
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

# A desktop finds the icon, and a software centre the program, by the names in the entry.
file(STRINGS "${STAGING_DIR}/usr/share/applications/${APP_ID}.desktop" entry)
if(NOT "Icon=${APP_ID}" IN_LIST entry)
  message(FATAL_ERROR "the menu entry does not name the icon ${APP_ID}")
endif()

# A new version needs its own release notes, or the metainfo and the changelog tell of an
# older one.
file(READ "${STAGING_DIR}/usr/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo has no release ${VERSION}")
endif()
execute_process(COMMAND gzip -dc "${STAGING_DIR}/usr/share/doc/fontedit/changelog.gz"
                OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^fontedit \\(${VERSION}\\) ")
  message(FATAL_ERROR "the changelog does not begin with version ${VERSION}")
endif()

