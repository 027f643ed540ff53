# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the web site afresh (see CMakeLists.txt beside it):
#   cmake -DSITE=... -DSOURCE=... -DICONS=... -DPROGRAM=... -DQT_LOADER=... -DLICENCES=...
#         -P make-site.cmake
# The service worker's cache is named after the contents of every other file, so that a site
# that changes in any byte is a new version to the browsers that kept the old one.

file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(COPY ${SOURCE}/index.html ${SOURCE}/ended.html ${SOURCE}/start.js
          ${SOURCE}/manifest.webmanifest ${QT_LOADER}
          ${PROGRAM}/placevalue.js ${PROGRAM}/placevalue.wasm
          ${ICONS}/icon-180.png ${ICONS}/icon-192.png ${ICONS}/icon-512.png
     DESTINATION ${SITE})
# What the site is made of, and under which licences.
file(COPY ${SOURCE}/LICENCE.txt ${LICENCES}/COPYING.txt ${LICENCES}/COPYING.LESSER.txt
          ${LICENCES}/LICENSE-fonts.txt ${LICENCES}/LICENSE-Qt-third-party.txt
     DESTINATION ${SITE}/licences)

set(files index.html ended.html start.js manifest.webmanifest qtloader.js placevalue.js
          placevalue.wasm icon-180.png icon-192.png icon-512.png)
set(contents "")
set(SITE_FILES "'./'")
foreach(file ${files})
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND contents "${file} ${digest}\n")
    string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 SITE_VERSION "${contents}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)

# The PNG icons are compressed already.
foreach(file index.html ended.html start.js manifest.webmanifest qtloader.js placevalue.js
             placevalue.wasm sw.js)
    execute_process(COMMAND gzip -9 -n -k -f ${SITE}/${file} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND brotli -q 11 -k -f ${SITE}/${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
