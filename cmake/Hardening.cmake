# The usual hardening of a Debian binary: stack protector, fortified C library calls and a
# read-only relocation table bound at start. Off for the sanitizer and fuzz builds, which
# have their own.
if(NOT FISHTANK_SANITIZE AND NOT FISHTANK_FUZZ)
    add_compile_options(-fstack-protector-strong)
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
        add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
