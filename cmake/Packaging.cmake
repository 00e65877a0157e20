# The Debian package, made by scripts/package: zestrel_<version>_<architecture>.deb, installing
# under /usr, its library dependencies worked out from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zestrel)
set(CPACK_PACKAGE_VENDOR Zestrel)
set(CPACK_PACKAGE_CONTACT "Zestrel developers <developers@zestrel.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://zestrel.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion for the home bartender")
set(CPACK_PACKAGE_DESCRIPTION
    "A catalogue of mixed-drink recipes in a password-protected database, to browse by category, \
search, edit and print, with bar jokes, toasts, drinking games and illustrated guides to \
glassware, bar utensils and stock liquors.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no program links but the windows need: the fonts they draw with, and the print system
# loaded at the first print job.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation, libcups2")
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/dist)
include(CPack)
