# Runs the screen read benchmark a few times round and fails unless it exits with 0 and its table has every row,
# each with a median and a 95th percentile.
execute_process(COMMAND ${EMULATOR} ${EXE} 20 OUTPUT_VARIABLE table ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pixlin_screen_read exited with ${status}:\n${table}${errors}")
endif()
set(rows
    "GetCursorPos"
    "GetDC and ReleaseDC of the screen"
    "GetPixel on the screen DC"
    "BitBlt of the loupe's 41 x 15 pixels"
    "A tick's reads without the loupe"
    "A tick's reads with the loupe")
set(number "[0-9]+\\.[0-9][0-9]")
foreach(row IN LISTS rows)
    if(NOT table MATCHES "\n\\| ${row} \\| ${number} \\| ${number} \\|\r?\n")
        message(FATAL_ERROR "no figures for \"${row}\" in:\n${table}")
    endif()
endforeach()
message("${table}")
