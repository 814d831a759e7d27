# Warnings for our own targets only; third-party code (GoogleTest) keeps its own flags.
option(TXTCVT_WERROR "Treat warnings as errors" OFF)

function(txtcvt_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion)
    if(TXTCVT_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
