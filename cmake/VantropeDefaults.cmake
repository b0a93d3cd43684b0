# vantrope_defaults(<target>): warnings, deterministic float code, optional sanitizers.
function(vantrope_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -ffp-contract=off)
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    if(VANTROPE_SANITIZE)
        set(flags -fsanitize=${VANTROPE_SANITIZE} -fno-omit-frame-pointer)
        if(VANTROPE_SANITIZE MATCHES "undefined")
            list(APPEND flags -fsanitize=float-cast-overflow -fno-sanitize-recover=all)
        endif()
        target_compile_options(${target} PRIVATE ${flags})
        target_link_options(${target} PRIVATE ${flags})
    endif()
endfunction()

# vantrope_test(<name> SOURCES ... LIBS ...): one GoogleTest executable per folder.
function(vantrope_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    vantrope_defaults(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
    target_compile_definitions(${name} PRIVATE
        VANTROPE_BIN_DIR="${VANTROPE_BIN_DIR}"
        VANTROPE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
