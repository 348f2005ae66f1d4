# The Debian package: `cpack` in the build directory (`make package`) wraps what
# `cmake --install` installs - the two programs, their manual pages, the menu entry, the
# metainfo, the icons, the sample fonts and the package's documentation - under /usr in
# fontedit_<version>_<arch>.deb. Library dependencies come from dpkg-shlibdeps.
include(GNUInstallDirs)
find_program(GZIP_PROGRAM gzip REQUIRED)

# example.org is reserved and reaches no one: whoever publishes the package sets an address.
set(FONTEDIT_PACKAGE_MAINTAINER "fontedit maintainers <fontedit@example.org>"
    CACHE STRING "Maintainer field of the Debian package and its changelog")

# Debian keeps a native package's changelog as changelog.gz beside the copyright file.
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${changelog}
  DEPENDS ${changelog}
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${PROJECT_SOURCE_DIR}/README.md
              ${changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# What `cmake --install` takes, without the test programs: `make test` builds only this in the
# normal tree, as the tests themselves are built and run in the sanitized one.
add_custom_target(package_parts)
add_dependencies(package_parts fontedit fontedit-cli icons manual_pages package_changelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fontedit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${FONTEDIT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "An editor for a font of 96 glyphs, each 5 dots wide and 8 dots high and
stored as five column bytes, as character LCDs and LED matrices driven by a
microcontroller take them. Draw a glyph with the mouse or type its bytes,
label it, and keep the font in two CP932 text files. The window speaks
Japanese, or English under an English locale.

The companion fontedit-cli exports the font as a C header, a C source that
compiles as it stands, BDF or raw bytes, imports C tables and BDF fonts,
checks and shows fonts, and renders them to PNG.")
# No Homepage field, as no URL in the metainfo or the copyright file: the project has no public
# page or bug tracker yet, and an invented address would lead nowhere.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to what dpkg-shlibdeps finds. The window's captions are Japanese and show as boxes
# without a font that has their glyphs; Qt opens no window without its platform plugins,
# which the Qt libraries only recommend.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-qpa-plugins")

include(CPack)
