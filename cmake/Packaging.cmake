# The Debian package: `cpack` in the build directory (`make package`) wraps what
# `cmake --install` installs - fontedit, fontedit-cli, the .desktop file and the icons -
# under /usr in fontedit_<version>_<arch>.deb. Library dependencies come from dpkg-shlibdeps.
set(FONTEDIT_MAINTAINER "fontedit maintainers <fontedit@localhost>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fontedit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${FONTEDIT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A Japanese-captioned editor for a 96-glyph 5 x 8 bitmap font for small dot-matrix displays, \
kept in two CP932 text files and exported as a C table, with fontedit-cli to export, show, \
check and import fonts from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's captions are Japanese; without a font that has the glyphs they show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")

include(CPack)
