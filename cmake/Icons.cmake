# The icon's images, made at build time from the XPM artwork: PNGs for the
# desktop's icon theme and the .ico that the Windows resource holds.

add_executable(icon_tool tools/icon_tool.cpp)

set(CUTTING_SPEED_ICON_SIZES 16 32 48 64 128 256)
set(icon_dir "${CMAKE_CURRENT_BINARY_DIR}/icons")
# Each size's PNG lies at icons/<size>x<size>/<app id>.png, as the theme wants it.
set(icon_32 "${CMAKE_CURRENT_SOURCE_DIR}/app/icons/cutting-speed-32.xpm")
set(icon_16 "${CMAKE_CURRENT_SOURCE_DIR}/app/icons/cutting-speed-16.xpm")
set(icon_files "")
foreach(size IN LISTS CUTTING_SPEED_ICON_SIZES)
    # The 16-pixel image is drawn for its size; the others scale the 32.
    if(size EQUAL 16)
        set(source "${icon_16}")
    else()
        set(source "${icon_32}")
    endif()
    set(png "${icon_dir}/${size}x${size}/${CUTTING_SPEED_APP_ID}.png")
    add_custom_command(OUTPUT "${png}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${icon_dir}/${size}x${size}"
        COMMAND icon_tool png "${source}" ${size} "${png}"
        DEPENDS icon_tool "${source}"
        COMMENT "Icon ${size}x${size}")
    list(APPEND icon_files "${png}")
endforeach()

set(CUTTING_SPEED_ICO "${icon_dir}/cutting-speed.ico")
add_custom_command(OUTPUT "${CUTTING_SPEED_ICO}"
    COMMAND icon_tool ico "${icon_32}" "${icon_16}" "${CUTTING_SPEED_ICO}"
    DEPENDS icon_tool "${icon_32}" "${icon_16}"
    COMMENT "Windows icon")
add_custom_target(icons ALL DEPENDS ${icon_files} "${CUTTING_SPEED_ICO}")
set(CUTTING_SPEED_ICON_DIR "${icon_dir}")

set(CUTTING_SPEED_RC "${CMAKE_CURRENT_BINARY_DIR}/generated/cutting-speed.rc")
configure_file(app/cutting-speed.rc.in "${CUTTING_SPEED_RC}" @ONLY)
