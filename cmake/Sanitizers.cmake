# AddressSanitizer and UndefinedBehaviorSanitizer for the whole build, for the sanitizer test run.
option(FISHTANK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(FISHTANK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
