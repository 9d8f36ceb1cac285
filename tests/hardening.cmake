# Hardening: the files a user might hand over, one table-driven test per class of reader over
# the folders of tests/data/bad-inputs/, and a memory check of real runs under valgrind.
add_drev_test(BadFontFilesTest SOURCES unit/BadFontFilesTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(BadUiFilesTest SOURCES unit/BadUiFilesTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(BadConsoleTablesTest SOURCES unit/BadConsoleTablesTest.cpp ${PROJECT_SOURCE_DIR}/fuzz/ConsoleChecks.cpp
    LIBS drev_shell)
foreach(test BadFontFilesTest BadUiFilesTest BadConsoleTablesTest)
    target_compile_definitions(${test} PRIVATE DREV_BAD_INPUT_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data/bad-inputs")
endforeach()
target_include_directories(BadConsoleTablesTest PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
target_compile_definitions(BadConsoleTablesTest PRIVATE DREV_FUZZ_DIR="${PROJECT_SOURCE_DIR}/fuzz")

# The memory check runs the real program under valgrind: a console session, then the font test
# window and the UI test window under its own Xvfb (about a minute). Valgrind can't run a sanitizer build.
if(NOT DREV_SANITIZE)
    add_test(NAME memcheck COMMAND ${PROJECT_SOURCE_DIR}/scripts/memcheck.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(memcheck PROPERTIES LABELS "e2e;memcheck" TIMEOUT 300)
endif()

# How the memory check judges valgrind's errors.
add_test(NAME memcheck_report
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/memcheck_report_test.py)
set_tests_properties(memcheck_report PROPERTIES LABELS unit)
