# The usual hardening of a Debian binary: stack protector, fortified C library calls and a
# read-only relocation table bound at start. Off for the sanitizer build, which has its own.
if(NOT FISHTANK_SANITIZE)
    add_compile_options(-fstack-protector-strong)
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
        add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
