# Desktop integration and the Debian package: the .desktop entry, the AppStream metainfo, the
# file types, the thumbnailer entry, icons drawn by the program's own renderer, man pages, and
# CPack.
#
#   cmake --install build --prefix /usr/local
#   cpack --config build/CPackConfig.cmake -G DEB -B out     (a .deb for /usr)

set(VARNEL_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VARNEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)

# ---- Icons: drawn as slides, rendered at build time into the hicolor theme ----
add_executable(genicons tools/genicons.cpp)
target_link_libraries(genicons PRIVATE slidecore slidewriter)
varnel_warnings(genicons)

set(VARNEL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(VARNEL_ICON_NAMES apps/varnel mimetypes/application-x-autocad-slide
    mimetypes/application-x-autocad-slide-library mimetypes/text-x-autocad-hatch-pattern)
set(VARNEL_ICON_FILES "")
foreach(size ${VARNEL_ICON_SIZES})
    foreach(name ${VARNEL_ICON_NAMES})
        list(APPEND VARNEL_ICON_FILES
            ${VARNEL_GENERATED_DIR}/icons/hicolor/${size}x${size}/${name}.png)
    endforeach()
endforeach()
add_custom_command(OUTPUT ${VARNEL_ICON_FILES}
    COMMAND genicons ${VARNEL_GENERATED_DIR}/icons
    DEPENDS genicons
    COMMENT "Drawing the desktop icons"
    VERBATIM)

# ---- AppStream: what software centres show; its screenshots are packaging/screenshots/*.png,
# taken from the real window and published under VARNEL_SCREENSHOT_URL ----
set(VARNEL_HOMEPAGE "https://varnel.org/" CACHE STRING "The project's web page (AppStream)")
set(VARNEL_SCREENSHOT_URL "https://varnel.org/screenshots" CACHE STRING
    "Where packaging/screenshots/*.png are published (AppStream)")
configure_file(${VARNEL_PACKAGING_DIR}/varnel.metainfo.xml.in
    ${VARNEL_GENERATED_DIR}/${VARNEL_APP_ID}.metainfo.xml @ONLY)

# ---- Man pages: the version filled in, compressed as Debian wants them ----
set(VARNEL_MAN_FILES "")
foreach(page sldtool.1 varnel.1)
    set(VERSION ${PROJECT_VERSION})
    configure_file(${VARNEL_PACKAGING_DIR}/${page} ${VARNEL_GENERATED_DIR}/man/${page} @ONLY)
    add_custom_command(OUTPUT ${VARNEL_GENERATED_DIR}/man/${page}.gz
        COMMAND ${CMAKE_COMMAND} -DIN=${VARNEL_GENERATED_DIR}/man/${page}
                -DOUT=${VARNEL_GENERATED_DIR}/man/${page}.gz -P ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
        DEPENDS ${VARNEL_GENERATED_DIR}/man/${page} ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
        COMMENT "Compressing the man page ${page}"
        VERBATIM)
    list(APPEND VARNEL_MAN_FILES ${VARNEL_GENERATED_DIR}/man/${page}.gz)
endforeach()

add_custom_target(varnel_desktop_files ALL DEPENDS ${VARNEL_ICON_FILES} ${VARNEL_MAN_FILES})

# ---- Install rules ----
install(FILES ${VARNEL_GENERATED_DIR}/man/sldtool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VARNEL_PACKAGING_DIR}/varnel.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES ${VARNEL_PACKAGING_DIR}/varnel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME varnel.xml)
install(DIRECTORY ${VARNEL_GENERATED_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnel RENAME copyright)
if(TARGET varnel)
    install(FILES ${VARNEL_GENERATED_DIR}/man/varnel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${VARNEL_PACKAGING_DIR}/varnel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${VARNEL_APP_ID}.desktop)
    install(FILES ${VARNEL_GENERATED_DIR}/${VARNEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# ---- Debian package ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "slide manager and viewer for AutoCAD slides, slide libraries and hatch patterns")
set(CPACK_PACKAGE_DESCRIPTION
    "Varnel browses folders of AutoCAD slide files (*.sld) as thumbnails, builds and tidies
slide libraries (*.slb), exports slides as images, prints them, writes PDF contact sheets and
shows hatch patterns (*.pat). sldtool does the same jobs from the command line and makes the
thumbnails that file managers show for these files.")
set(CPACK_PACKAGE_CONTACT "Varnel developers <varnel@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time and
# only recommended by Qt itself, yet the window cannot start without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The stroke font of drawings' texts is read at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hershey-fonts-data")
if(TARGET varnel)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, qt6-qpa-plugins")
endif()
# Opening the help page, and the desktop's file-type database.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info")
include(CPack)
