# Starts the program with no display to open a window on: it must say so on
# standard error and exit with a failure status, not crash.
#   cmake -DPROGRAM=... -P this

foreach(display_setting "DISPLAY=" "DISPLAY=:4242")
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                "${display_setting}" "${PROGRAM}"
        RESULT_VARIABLE status
        OUTPUT_VARIABLE output
        ERROR_VARIABLE errors
        TIMEOUT 30)
    if(status EQUAL 0 OR NOT status MATCHES "^[0-9]+$")
        message(FATAL_ERROR "with ${display_setting}: expected a failure status, got '${status}'\n${errors}")
    endif()
    if(NOT errors MATCHES "cannot open the window")
        message(FATAL_ERROR "with ${display_setting}: no clear message on standard error:\n${errors}")
    endif()
    message(STATUS "with ${display_setting}: status ${status}")
endforeach()
