# The icon's images are committed artwork under app/icons, drawn as XPM and
# turned into PNGs and an .ico by scripts/make-icons: the build only takes
# them as they are, so it runs no program of its own on the build machine.

set(CUTTING_SPEED_ICON_SOURCE_DIR "${CMAKE_CURRENT_SOURCE_DIR}/app/icons")
set(CUTTING_SPEED_ICON_SIZES 16 32 48 64 128 256)
set(CUTTING_SPEED_ICO "${CUTTING_SPEED_ICON_SOURCE_DIR}/cutting-speed.ico")

set(CUTTING_SPEED_RC "${CMAKE_CURRENT_BINARY_DIR}/generated/cutting-speed.rc")
configure_file(app/cutting-speed.rc.in "${CUTTING_SPEED_RC}" @ONLY)
