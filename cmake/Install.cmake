# Linux: installation with desktop integration, and the Debian package.

include(GNUInstallDirs)

set(package_name cutting-speed)
set(generated "${CMAKE_CURRENT_BINARY_DIR}/generated")

# Addresses are the packager's to give: the project has no web site of its
# own, and the metadata names none unless these are set.
set(CUTTING_SPEED_HOMEPAGE_URL "" CACHE STRING
    "Home page for the package and the AppStream metadata (empty: none)")
set(CUTTING_SPEED_SCREENSHOT_URL "" CACHE STRING
    "Address of a screenshot image for the AppStream metadata (empty: none)")
# The package's maintainer, as Debian's own tools find it: DEBFULLNAME (or
# NAME) and DEBEMAIL (or EMAIL) in the environment, unless set here.
set(CUTTING_SPEED_MAINTAINER "" CACHE STRING
    "Package maintainer, \"Name <address>\" (empty: from DEBFULLNAME and DEBEMAIL)")

set(CUTTING_SPEED_PACKAGE_MAINTAINER "${CUTTING_SPEED_MAINTAINER}")
if(NOT CUTTING_SPEED_PACKAGE_MAINTAINER)
    set(maintainer_name "$ENV{DEBFULLNAME}")
    if(NOT maintainer_name)
        set(maintainer_name "$ENV{NAME}")
    endif()
    set(maintainer_mail "$ENV{DEBEMAIL}")
    if(NOT maintainer_mail)
        set(maintainer_mail "$ENV{EMAIL}")
    endif()
    if(maintainer_mail MATCHES "<.*>")
        set(CUTTING_SPEED_PACKAGE_MAINTAINER "${maintainer_mail}") # DEBEMAIL may hold "Name <address>"
    elseif(maintainer_name AND maintainer_mail)
        set(CUTTING_SPEED_PACKAGE_MAINTAINER "${maintainer_name} <${maintainer_mail}>")
    else()
        # A reserved domain that can never exist (RFC 2606), so that no
        # package claims an address nobody reads.
        set(CUTTING_SPEED_PACKAGE_MAINTAINER "Unnamed packager <packager@unknown.invalid>")
        message(STATUS "No package maintainer given (DEBFULLNAME and DEBEMAIL, or "
                       "CUTTING_SPEED_MAINTAINER): the package names ${CUTTING_SPEED_PACKAGE_MAINTAINER}")
    endif()
endif()

set(CUTTING_SPEED_METAINFO_LINKS "")
if(CUTTING_SPEED_HOMEPAGE_URL)
    string(APPEND CUTTING_SPEED_METAINFO_LINKS
           "  <url type=\"homepage\">${CUTTING_SPEED_HOMEPAGE_URL}</url>\n")
endif()
if(CUTTING_SPEED_SCREENSHOT_URL)
    string(APPEND CUTTING_SPEED_METAINFO_LINKS
           "  <screenshots>\n"
           "    <screenshot type=\"default\">\n"
           "      <caption>The window after a calculation</caption>\n"
           "      <image>${CUTTING_SPEED_SCREENSHOT_URL}</image>\n"
           "    </screenshot>\n"
           "  </screenshots>\n")
endif()
set(CUTTING_SPEED_COPYRIGHT_SOURCE "")
if(CUTTING_SPEED_HOMEPAGE_URL)
    set(CUTTING_SPEED_COPYRIGHT_SOURCE "Source: ${CUTTING_SPEED_HOMEPAGE_URL}\n")
endif()
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
set(CPACK_PACKAGE_CONTACT "${CUTTING_SPEED_PACKAGE_MAINTAINER}")
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
if(CUTTING_SPEED_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CUTTING_SPEED_HOMEPAGE_URL}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Song-style Chinese face, which no library dependency brings.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
