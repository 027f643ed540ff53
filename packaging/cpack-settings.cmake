# The Debian package: `make package`, or `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME placevalue)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Place Value developers")
# A reserved domain: the package names no real person or organisation.
set(CPACK_PACKAGE_CONTACT "The Place Value developers <maintainers@placevalue.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY placevalue)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line of the package description is CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "An Arabic-language drill for pupils of the sixth grade on the place value of the
digits of decimal numbers: write the value of the red digit of a number, choose
it from three offered values, or read a big number aloud. With it comes
placevalue-sheets, which makes printable worksheets of the same questions, with
an answer key, for teachers.")
# The libraries come from dpkg-shlibdeps over the binary; the faces the screens are drawn with
# are not linked, so they are named here (Amiri; Noto Naskh Arabic, Noto Sans Arabic and Noto
# Sans are in fonts-noto-core).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-hosny-amiri, fonts-noto-core")

include(CPack)
