# Install rules. Every destination is relative to the install prefix, so
# `cmake --install <build> --prefix <folder>` and DESTDIR both work, and the installed
# tree is relocatable (its two links are relative):
#
#   bin/lexipond                          -> ../lib/lexipond/lexipond
#   lib/lexipond/lexipond                 the program
#   lib/lexipond/Animations               -> ../../share/lexipond/Animations
#   share/lexipond/Animations/            the write-along animations
#   share/applications/<id>.desktop       menu entry
#   share/metainfo/<id>.metainfo.xml      AppStream metadata
#   share/icons/hicolor/<size>/apps/<id>  icons, 16 to 256 px and scalable
#   share/man/man6/lexipond.6.gz          manual page
#   share/doc/lexipond/                   copyright (DEP-5), changelog.gz
#
# The program finds its animations beside its own file (through the link) or through
# the platform's data folders (share/ of the prefix in XDG_DATA_DIRS).

include(GNUInstallDirs)
# The documentation folder is named after the package, in lower case, unless the
# command line sets another.
if("$CACHE{CMAKE_INSTALL_DOCDIR}" STREQUAL "")
    set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/lexipond)
endif()
set(LEXIPOND_INSTALL_PKGLIBDIR "lib/lexipond" CACHE PATH
    "Private folder of the program file, relative to the prefix")
set(LEXIPOND_CONTACT "Corvane Software Dev. <lexipond@corvane-software.example>")
# Folders made by the install get the same permissions whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(LEXIPOND_GZIP gzip REQUIRED)

set(lxp_pkglibdir ${LEXIPOND_INSTALL_PKGLIBDIR})
set(lxp_animationsdir ${CMAKE_INSTALL_DATADIR}/lexipond/Animations)
set(lxp_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${lxp_out}/links)

install(TARGETS lexipond RUNTIME DESTINATION ${lxp_pkglibdir})
install(DIRECTORY Animations/ DESTINATION ${lxp_animationsdir} FILES_MATCHING PATTERN "*.gif")

# The two relative links, made in the build folder and installed as links.
file(RELATIVE_PATH lxp_to_program /${CMAKE_INSTALL_BINDIR} /${lxp_pkglibdir}/lexipond)
file(RELATIVE_PATH lxp_to_animations /${lxp_pkglibdir} /${lxp_animationsdir})
file(MAKE_DIRECTORY ${lxp_out}/links/bin ${lxp_out}/links/pkglib)
file(CREATE_LINK ${lxp_to_program} ${lxp_out}/links/bin/lexipond SYMBOLIC)
file(CREATE_LINK ${lxp_to_animations} ${lxp_out}/links/pkglib/Animations SYMBOLIC)
install(FILES ${lxp_out}/links/bin/lexipond DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${lxp_out}/links/pkglib/Animations DESTINATION ${lxp_pkglibdir})

# Desktop integration, named after the desktop id.
install(FILES packaging/${LEXIPOND_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${LEXIPOND_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/ICON/LEXIPOND_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${LEXIPOND_DESKTOP_ID}.png)
endforeach()
install(FILES packaging/icons/${LEXIPOND_DESKTOP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Documents made at build time: the copyright file from resources/credits/, the
# Debian changelog from CHANGELOG.md, both gzipped ones without name or time stamp.
file(GLOB lxp_credits CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/credits/*.tsv ${CMAKE_SOURCE_DIR}/resources/credits/sources/*.txt
    ${CMAKE_SOURCE_DIR}/LICENSES/*.txt)
add_custom_command(OUTPUT ${lxp_out}/copyright
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/packaging/make-copyright.py
            ${CMAKE_SOURCE_DIR} ${lxp_out}/copyright
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/packaging/make-copyright.py ${lxp_credits}
    COMMENT "Writing the copyright file from the credits" VERBATIM)
add_custom_command(OUTPUT ${lxp_out}/changelog.gz
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/packaging/make-changelog.py
            ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${lxp_out}/changelog ${LEXIPOND_CONTACT}
    COMMAND ${LEXIPOND_GZIP} -9nf ${lxp_out}/changelog
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/packaging/make-changelog.py ${CMAKE_SOURCE_DIR}/CHANGELOG.md
    COMMENT "Writing the Debian changelog from CHANGELOG.md" VERBATIM)
add_custom_command(OUTPUT ${lxp_out}/lexipond.6.gz
    COMMAND ${LEXIPOND_GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/lexipond.6 > ${lxp_out}/lexipond.6.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/lexipond.6
    COMMENT "Compressing the manual page")
add_custom_target(lexipond_docs ALL
    DEPENDS ${lxp_out}/copyright ${lxp_out}/changelog.gz ${lxp_out}/lexipond.6.gz)
install(FILES ${lxp_out}/lexipond.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${lxp_out}/copyright ${lxp_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
