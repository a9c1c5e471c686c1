# Installation with desktop integration, and the Debian package.

include(GNUInstallDirs)

set(package_name cutting-speed)
set(generated "${CMAKE_CURRENT_BINARY_DIR}/generated")
configure_file(packaging/cutting-speed.desktop.in
               "${generated}/${CUTTING_SPEED_APP_ID}.desktop" @ONLY)
configure_file(packaging/cutting-speed.metainfo.xml.in
               "${generated}/${CUTTING_SPEED_APP_ID}.metainfo.xml" @ONLY)
configure_file(packaging/cutting-speed.1.in "${generated}/cutting-speed.1" @ONLY)
configure_file(packaging/copyright.in "${generated}/copyright" @ONLY)
configure_file(packaging/changelog.in "${generated}/changelog" @ONLY)

# Compressed without timestamps, so that the package builds reproducibly.
find_program(GZIP_PROGRAM gzip REQUIRED)
foreach(name cutting-speed.1 changelog)
    add_custom_command(OUTPUT "${generated}/${name}.gz"
        COMMAND "${GZIP_PROGRAM}" -9 -n -c "${generated}/${name}" > "${generated}/${name}.gz"
        DEPENDS "${generated}/${name}")
endforeach()
add_custom_target(compressed_docs ALL
    DEPENDS "${generated}/cutting-speed.1.gz" "${generated}/changelog.gz")

install(TARGETS cutting-speed RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${generated}/${CUTTING_SPEED_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${generated}/${CUTTING_SPEED_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size IN LISTS CUTTING_SPEED_ICON_SIZES)
    install(FILES "${CUTTING_SPEED_ICON_SOURCE_DIR}/cutting-speed-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${CUTTING_SPEED_APP_ID}.png")
endforeach()
install(FILES "${generated}/cutting-speed.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${generated}/copyright" "${generated}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${package_name}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME "${package_name}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Cutting Speed developers")
set(CPACK_PACKAGE_CONTACT "${CUTTING_SPEED_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "spindle speed and feed calculator for machining")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop calculator for the machine shop, in Simplified Chinese.\n"
    "From the cutting speed, the diameter, the feed per tooth and the number\n"
    "of cutting edges it computes the spindle speed and the feed, rounded to\n"
    "3 decimal places. The whole cycle runs from the keyboard.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Song-style Chinese face, which no library dependency brings.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
