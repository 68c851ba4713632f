# The Debian package: `cpack -G DEB` in the build folder writes
# lexipond_<version>_<arch>.deb from the install rules of cmake/Install.cmake.
#
# Two package builds from one commit are byte for byte the same: every time stamp in
# the package is the last commit's time (SOURCE_DATE_EPOCH, when the environment gives
# none at configure time): the resource compiler writes it in place of each file's time,
# and the archives of the package carry it. The compressed documents carry no time
# (gzip -n), the install sets file and folder modes itself, and CPack makes every
# file root's.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(LEXIPOND_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                        OUTPUT_VARIABLE LEXIPOND_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(LEXIPOND_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(STATUS "Time stamps of resources and package: ${LEXIPOND_SOURCE_DATE_EPOCH}")
    # Only the resource compiler's rule is wrapped (its output is the one with times).
    set_property(DIRECTORY ${CMAKE_SOURCE_DIR}/resources PROPERTY RULE_LAUNCH_CUSTOM
                 "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${LEXIPOND_SOURCE_DATE_EPOCH}")
else()
    message(STATUS "No commit time and no SOURCE_DATE_EPOCH: package builds will differ")
    set(LEXIPOND_SOURCE_DATE_EPOCH "")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexipond)
set(CPACK_PACKAGE_VENDOR "${LEXIPOND_COMPANY}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${LEXIPOND_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English words and the alphabet for young children")
set(CPACK_PACKAGE_DESCRIPTION [[
Lexipond teaches young children and beginners English words and the alphabet.
From a main menu the learner opens five lessons: the alphabet, a words quiz,
matching pairs, pictures and words, and write-along animations of every letter.
Every word has a picture and a spoken recording; answers get small feedback
dialogs with sounds. Screen texts are English or Korean, the lesson content
British or American English.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.corvane-software.example/lexipond")
# The libraries come from the shared-library scan; the fonts the screens are drawn
# with are named here. Wayland sessions run it natively with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Read by cpack when it runs: the package's own time stamps.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/CPackProjectConfig.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [[
if(NOT "@LEXIPOND_SOURCE_DATE_EPOCH@" STREQUAL "" AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "@LEXIPOND_SOURCE_DATE_EPOCH@")
endif()
]] @ONLY)

include(CPack)
