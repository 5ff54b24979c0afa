# Fuzz targets for every reader of bytes that come from outside the game (tests/fuzz).
# With FISHTANK_FUZZ (clang, in a build folder of its own) the layers carry libFuzzer's
# coverage and the sanitizers, each target is a fuzzer, and ctest runs each for a bounded
# time from its seeds and kept inputs. In every other build each target is a plain program
# that runs its seeds and kept inputs once, as a test.
option(FISHTANK_FUZZ "Build the fuzz targets with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang)" OFF)
set(FISHTANK_FUZZ_SECONDS 30 CACHE STRING "How long ctest runs each fuzzer")

if(FISHTANK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "FISHTANK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# fishtank_fuzz_target(NAME SOURCE USES LIBRARY... RSS_MB MB TIMEOUT SECONDS MAX_LEN BYTES):
# the target fuzz_NAME, its seeds in seeds/NAME and the inputs that found a fault in
# regressions/NAME; the limits hold for each input. Inputs in known-faults/NAME found a
# fault that is not mended yet: they run in every build, but the fuzzer is only expected to
# still fail on them, so that the fuzz run passes until they move to regressions/NAME.
function(fishtank_fuzz_target name source)
    cmake_parse_arguments(FUZZ "" "RSS_MB;TIMEOUT;MAX_LEN" "USES" ${ARGN})
    set(target fuzz_${name})
    set(kept ${CMAKE_CURRENT_SOURCE_DIR}/seeds/${name})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/regressions/${name})
        list(APPEND kept ${CMAKE_CURRENT_SOURCE_DIR}/regressions/${name})
    endif()
    set(known ${CMAKE_CURRENT_SOURCE_DIR}/known-faults/${name})
    set(limits -rss_limit_mb=${FUZZ_RSS_MB} -timeout=${FUZZ_TIMEOUT})
    if(FISHTANK_FUZZ)
        add_executable(${target} ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/FuzzerOptions.cpp)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
        target_compile_definitions(${target} PRIVATE FISHTANK_LIBFUZZER)
        # New inputs go to the build's own corpus, found faults to its artifacts: the
        # source tree only ever gains what is committed by hand.
        set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
        set(artifacts ${CMAKE_CURRENT_BINARY_DIR}/artifacts/${name})
        file(MAKE_DIRECTORY ${corpus} ${artifacts})
        add_test(NAME ${target}
            COMMAND ${target} -max_total_time=${FISHTANK_FUZZ_SECONDS} ${limits}
                    -max_len=${FUZZ_MAX_LEN} -print_final_stats=1 -artifact_prefix=${artifacts}/
                    ${corpus} ${kept})
        math(EXPR limit "${FISHTANK_FUZZ_SECONDS} + 120")
        set_tests_properties(${target} PROPERTIES TIMEOUT ${limit} LABELS fuzz)
        # Each fails (passes unexpectedly) once the reader keeps its limits on that input.
        file(GLOB faults CONFIGURE_DEPENDS ${known}/*)
        foreach(fault ${faults})
            get_filename_component(fault_name ${fault} NAME)
            add_test(NAME ${target}_still_fails_on_${fault_name}
                COMMAND ${target} ${limits} -artifact_prefix=${artifacts}/known- ${fault})
            set_tests_properties(${target}_still_fails_on_${fault_name} PROPERTIES WILL_FAIL TRUE)
        endforeach()
        add_dependencies(fishtank_fuzzers ${target})
    else()
        add_executable(${target} ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/RunInputs.cpp)
        add_test(NAME ${target}_kept_inputs COMMAND ${target} ${kept} ${known})
    endif()
    target_link_libraries(${target} PRIVATE ${FUZZ_USES} ZLIB::ZLIB)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz)
    fishtank_warnings(${target})
endfunction()
