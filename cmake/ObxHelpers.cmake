# obx_add_library(<name> <dir> DEPS <targets...>)
# Builds a static library from every source file of one subsystem directory.
function(obx_add_library name dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(FILTER _sources EXCLUDE REGEX "/main\\.cpp$") # the program's entry is not library code
    if(_sources)
        add_library(${name} STATIC ${_sources})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    else() # a subsystem not written yet
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# obx_add_qtest(<name> SOURCES <files...> LIBS <targets...> [GL])
# One QtTest executable registered with ctest. Widget tests run on the
# offscreen platform; GL tests run under an Xvfb server of their own because
# the offscreen platform cannot create an OpenGL context here.
function(obx_add_qtest name)
    cmake_parse_arguments(ARG "GL" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} obx_resources Qt5::Test)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE
        OBX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" OBX_BINARY_DIR="${CMAKE_BINARY_DIR}"
        OBX_RUNTIME_DIR="${OBX_RUNTIME_DIR}")
    if(ARG_GL)
        add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/own-display.sh
                                      $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# Lets two subsystem libraries use each other (static libraries may form a
# cycle; the linker repeats them).
function(obx_link_cycle a b)
    get_target_property(_type_a ${a} TYPE)
    if(_type_a STREQUAL "STATIC_LIBRARY")
        target_link_libraries(${a} PUBLIC ${b})
    endif()
endfunction()
