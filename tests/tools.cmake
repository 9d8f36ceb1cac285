if(TARGET krfmake)
    add_test(NAME e2e_krfmake
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/krfmake_test.py --krfmake $<TARGET_FILE:krfmake>)
    set_tests_properties(e2e_krfmake PROPERTIES LABELS e2e TIMEOUT 300)
endif()

# krfmake's parts: characters files and code lists, cell packing and sheet sizes, drawing a
# preview, and what --info shows.
if(TARGET krfmake_parts)
    add_drev_test(CharsFileTest SOURCES unit/CharsFileTest.cpp ${PROJECT_SOURCE_DIR}/fuzz/CharsFileChecks.cpp
        LIBS krfmake_parts)
    target_include_directories(CharsFileTest PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
    target_compile_definitions(CharsFileTest PRIVATE DREV_FUZZ_DIR="${PROJECT_SOURCE_DIR}/fuzz")
    add_drev_test(CodeListTest SOURCES unit/CodeListTest.cpp LIBS krfmake_parts)
    add_drev_test(SheetPackerTest SOURCES unit/SheetPackerTest.cpp LIBS krfmake_parts)
    add_drev_test(SheetFontTest SOURCES unit/SheetFontTest.cpp LIBS krfmake_parts)
    add_drev_test(FontInfoTest SOURCES unit/FontInfoTest.cpp LIBS krfmake_parts)
endif()
