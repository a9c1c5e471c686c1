# Checks the Windows program as a user's system would meet it: a 64-bit PE
# image for the GUI subsystem (no console window) that imports only DLLs
# every Windows 10 and later ships, so that it runs without any file beside
# it. The resources are checked by check_windows_resource.cmake.
#   cmake -DOBJDUMP=... -DEXE=... -P this

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}"
                RESULT_VARIABLE status OUTPUT_VARIABLE headers ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${EXE}: ${errors}")
endif()

foreach(needle "file format pei-x86-64" "Magic\t\t\t020b\t(PE32+)"
               "Subsystem\t\t00000002\t(Windows GUI)")
    string(FIND "${headers}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${EXE} is not as expected: no '${needle}' in its headers")
    endif()
endforeach()

# Part of every Windows 10 and later, in System32.
set(system_dlls
    advapi32 authz bcrypt cfgmgr32 comctl32 comdlg32 crypt32 d2d1 d3d11 d3d12 d3d9
    dwmapi dwrite dxgi gdi32 imm32 iphlpapi kernel32 mpr msvcrt netapi32 ntdll ole32
    oleaut32 secur32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version
    winmm ws2_32 wtsapi32
    # API sets, which the loader of Windows 8 and later maps to its own DLLs.
    api-ms-win-core-synch-l1-2-0 api-ms-win-core-winrt-l1-1-0
    api-ms-win-core-winrt-string-l1-1-0)

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "${EXE} imports no DLL at all: not a program objdump understood")
endif()
set(foreign "")
foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: ([^ \t\r]+).*" "\\1" dll "${import}")
    string(TOLOWER "${dll}" name)
    string(REGEX REPLACE "\\.dll$" "" name "${name}")
    message(STATUS "imports ${dll}")
    if(NOT name IN_LIST system_dlls)
        list(APPEND foreign "${dll}")
    endif()
endforeach()
if(foreign)
    message(FATAL_ERROR "${EXE} needs DLLs that Windows does not ship: ${foreign}")
endif()
message(STATUS "${EXE}: PE32+ x86-64, GUI subsystem, only Windows' own DLLs")
