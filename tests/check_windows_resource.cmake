# Compiles the Windows resource script with windres, reads the compiled
# resource back, and checks the version block and the icons it holds.
#   cmake -DWINDRES=... -DRC=... -DWORK=... -DVERSION=1.0.0.0 -DVERSION_TEXT=1.00 -P this

file(MAKE_DIRECTORY "${WORK}")
execute_process(
    COMMAND "${WINDRES}" --preprocessor=cpp --input-format=rc --output-format=res
            -i "${RC}" -o "${WORK}/cutting-speed.res"
    RESULT_VARIABLE compiled)
if(NOT compiled EQUAL 0)
    message(FATAL_ERROR "windres could not compile ${RC}")
endif()
execute_process(
    COMMAND "${WINDRES}" --input-format=res --output-format=rc
            -i "${WORK}/cutting-speed.res" -o "${WORK}/decompiled.rc"
    RESULT_VARIABLE decompiled)
if(NOT decompiled EQUAL 0)
    message(FATAL_ERROR "windres could not read back the compiled resource")
endif()
file(READ "${WORK}/decompiled.rc" text)

string(REPLACE "." ", " version_commas "${VERSION}")
set(expected
    "LANGUAGE 4, 2"
    "FILEVERSION ${version_commas}"
    "PRODUCTVERSION ${version_commas}"
    "BLOCK \"080404B0\""
    "VALUE \"FileVersion\", \"${VERSION_TEXT}\""
    "VALUE \"ProductVersion\", \"${VERSION_TEXT}\""
    # 切削速度计算 in UTF-16
    "VALUE \"ProductName\", L\"\\x5207\\x524a\\x901f\\x5ea6\\x8ba1\\x7b97\""
    "VALUE \"Translation\", 0x804, 1200"
    "RT_GROUP_ICON"
    "Has 2 elements"
    "\"\\040\\040\\000\\000\", 1, 32"   # 32 x 32
    "\"\\020\\020\\000\\000\", 1, 32")  # 16 x 16
foreach(needle IN LISTS expected)
    string(FIND "${text}" "${needle}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the compiled resource lacks: ${needle}\n${text}")
    endif()
endforeach()
message(STATUS "Windows resource holds the version block and both icons")
