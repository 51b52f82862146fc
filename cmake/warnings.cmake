# Warnings for every target; the core adds those that suit money and unit arithmetic.
function(pumpvale_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(PUMPVALE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

function(pumpvale_strict_warnings target)
    pumpvale_warnings(${target})
    target_compile_options(${target} PRIVATE -Wconversion -Wshadow -Wdouble-promotion)
endfunction()
