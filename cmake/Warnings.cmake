# Warnings for our own code only; the engine's headers come in as system headers.
option(FISHTANK_WERROR "Treat compiler warnings as errors" OFF)

function(fishtank_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor)
    if(FISHTANK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
