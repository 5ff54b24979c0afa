# Each top folder of the game is one layer and one static library. A layer sees only its
# own headers and those of the layers it links: its include path holds a folder with a
# link to its own sources and nothing else, so an include that points up does not compile.
function(fishtank_layer name)
    cmake_parse_arguments(LAYER "" "" "SOURCES;USES;LIBRARIES" ${ARGN})
    set(view ${CMAKE_BINARY_DIR}/layers/${name})
    file(MAKE_DIRECTORY ${view})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${name} ${view}/${name} SYMBOLIC)
    add_library(fishtank_${name} STATIC ${LAYER_SOURCES})
    target_include_directories(fishtank_${name} PUBLIC ${view})
    foreach(lower ${LAYER_USES})
        target_link_libraries(fishtank_${name} PUBLIC fishtank_${lower})
    endforeach()
    target_link_libraries(fishtank_${name} PUBLIC ${LAYER_LIBRARIES})
    fishtank_warnings(fishtank_${name})
endfunction()

# Links the game's own glXChooseFBConfig and glTexImage2D (platform/DrawingChoices) into a
# program and exports them, so that the engine's render system, loaded later, calls them
# instead of the driver's.
function(fishtank_draws_by_driver_choices target)
    target_link_options(${target} PRIVATE
        "LINKER:--undefined=glXChooseFBConfig,--undefined=glTexImage2D"
        "LINKER:--export-dynamic-symbol=glXChooseFBConfig,--export-dynamic-symbol=glTexImage2D")
endfunction()
