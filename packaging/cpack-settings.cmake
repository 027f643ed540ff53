# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `make package`, or `cpack -G DEB` in the build folder. `lintian` finds no
# error and no warning in it (tests/packaging/check_lintian.sh).
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
# The first line of the package description is CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack indents
# each line of the rest by one space. Debian wants those lines at most 80 characters long (these
# keep to 72), and a line holding a lone "." between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "An Arabic-language drill for pupils of the sixth grade on the place
value of the digits of decimal numbers: a 7 in the hundredths place is
worth 0.07. Three activities: write the value of the red digit of a
number, choose it from three offered values, or read a big number aloud.
.
With it comes placevalue-sheets, which makes printable worksheets of the
same questions, with an answer key, for teachers.
.
The program works without a network, keeps nothing between runs and
reads no settings or files.")
# Control files (md5sums) with the modes Debian's tools give them, 0644.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps over the binary; the faces the screens are drawn with
# are not linked, so they are named here (Amiri; Noto Naskh Arabic, Noto Sans Arabic and Noto
# Sans are in fonts-noto-core).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-hosny-amiri, fonts-noto-core")
# The worksheet maker's file, print and preview dialogs speak Arabic with Qt's own translations;
# without them they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
