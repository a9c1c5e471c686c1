# Reads back the Windows resources, from the resource script compiled with
# windres or from a built program, and checks the version block and the icons
# they hold.
#   cmake -DWINDRES=... -DRC=<script> -DWORK=... -DVERSION=1.0.0.0 -DVERSION_TEXT=1.00 -P this
#   cmake -DWINDRES=... -DBINARY=<program.exe> -DWORK=... -DVERSION=... -DVERSION_TEXT=... -P this

file(MAKE_DIRECTORY "${WORK}")
if(DEFINED BINARY)
    set(compiled "${BINARY}")
    set(input_format coff)
else()
    set(compiled "${WORK}/cutting-speed.res")
    set(input_format res)
    execute_process(
        COMMAND "${WINDRES}" --preprocessor=cpp --input-format=rc --output-format=res
                -i "${RC}" -o "${compiled}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "windres could not compile ${RC}")
    endif()
endif()
execute_process(
    COMMAND "${WINDRES}" --input-format=${input_format} --output-format=rc
            -i "${compiled}" -o "${WORK}/decompiled.rc"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "windres could not read the resources of ${compiled}")
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
        message(FATAL_ERROR "${compiled} lacks: ${needle}\n${text}")
    endif()
endforeach()
message(STATUS "${compiled}: the version block and both icons are there")
