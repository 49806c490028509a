# Where pixlin-skin finds Liberation Sans, whose letters are as wide as Arial's, to draw and measure the picker's
# texts off Windows: fontconfig's answer when it names that family, else where Debian's fonts-liberation puts it.
# The program reads the files when it runs; a missing one makes it say so then.
set(PIXLIN_LIBERATION_DIR /usr/share/fonts/truetype/liberation)

function(pixlin_find_liberation_sans variable style file)
    if(${variable})
        return()
    endif()
    set(found ${PIXLIN_LIBERATION_DIR}/${file})
    find_program(PIXLIN_FC_MATCH fc-match)
    if(PIXLIN_FC_MATCH)
        execute_process(COMMAND ${PIXLIN_FC_MATCH} -f "%{family}|%{file}" "Liberation Sans:style=${style}"
                        OUTPUT_VARIABLE match ERROR_QUIET RESULT_VARIABLE failed)
        # fontconfig answers with the nearest font it has, which need not be Liberation Sans at all.
        if(NOT failed AND match MATCHES "^([^|]*)\\|(.+)$")
            set(families ${CMAKE_MATCH_1})
            set(path ${CMAKE_MATCH_2})
            string(REPLACE "," ";" families "${families}")
            if("Liberation Sans" IN_LIST families AND EXISTS "${path}")
                set(found ${path})
            endif()
        endif()
    endif()
    if(NOT EXISTS "${found}")
        message(WARNING "pixlin-skin: ${found} is missing: the skin checker needs Liberation Sans for the picker's "
                        "texts (Debian: fonts-liberation) and will say so when it runs")
    endif()
    set(${variable} ${found} CACHE FILEPATH "Liberation Sans ${style}, in which pixlin-skin draws the picker's Arial")
endfunction()

pixlin_find_liberation_sans(PIXLIN_FONT_BOLD Bold LiberationSans-Bold.ttf)
pixlin_find_liberation_sans(PIXLIN_FONT_REGULAR Regular LiberationSans-Regular.ttf)
