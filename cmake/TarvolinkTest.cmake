# tarvolink_add_test(NAME name SOURCES ... LIBS ... [THREADED] [TIMEOUT s] [LABELS ...])
# One QtTest program per class, or per set-up several classes share (a simulator session, a
# peer); headless; THREADED tests make every Qt warning fatal so
# a cross-thread object access fails the test instead of scrolling past. scripts/tsan.sh runs the
# tests labelled "threaded": every THREADED one, and those that give the label themselves (whose
# threads run without fatal Qt warnings, or in a program the test starts).
function(tarvolink_add_test)
    cmake_parse_arguments(T "THREADED" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
    target_compile_definitions(${T_NAME} PRIVATE
        TARVOLINK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TARVOLINK_BIN_DIR="${TARVOLINK_BIN_DIR}")
    tarvolink_warnings(${T_NAME})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(env "QT_QPA_PLATFORM=offscreen")
    if(T_THREADED)
        list(APPEND env "QT_FATAL_WARNINGS=1")
        list(APPEND T_LABELS threaded)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
    if(T_LABELS)
        set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
    endif()
    add_dependencies(${T_NAME} tarvolink_data)
endfunction()

# tarvolink_add_fuzzer(NAME name SOURCES ... LIBS ...): a libFuzzer target (clang, ASan + UBSan),
# built only with TARVOLINK_FUZZ and run by scripts/fuzz-readers.sh, not by ctest.
function(tarvolink_add_fuzzer)
    cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
    if(NOT TARVOLINK_FUZZ)
        return()
    endif()
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
    tarvolink_warnings(${F_NAME})
endfunction()
