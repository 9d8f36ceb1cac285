add_drev_test(uiDrawListTest SOURCES unit/uiDrawListTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(uiColorTest SOURCES unit/uiColorTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(uiColorTableTest SOURCES unit/uiColorTableTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(uiValueTextTest SOURCES unit/uiValueTextTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(uiFontFileReaderTest SOURCES unit/uiFontFileReaderTest.cpp LIBS vanui_font_file)
add_drev_test(uiFontFileTest SOURCES unit/uiFontFileTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder drev_allocation)
add_drev_test(uiFontDrawTest SOURCES unit/uiFontDrawTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
add_drev_test(uiFontTableTest SOURCES unit/uiFontTableTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
# Reading text as UTF-8 or Latin-1; the stored fuzz inputs are checked against krfmake's decoder.
add_drev_test(uiTextCodesTest SOURCES unit/uiTextCodesTest.cpp ${PROJECT_SOURCE_DIR}/fuzz/TextCodesChecks.cpp
    ${PROJECT_SOURCE_DIR}/tools/krfmake/Utf8.cpp LIBS vanui_internals)
target_include_directories(uiTextCodesTest PRIVATE ${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_SOURCE_DIR}/tools/krfmake)
target_compile_definitions(uiTextCodesTest PRIVATE DREV_FUZZ_DIR="${PROJECT_SOURCE_DIR}/fuzz")
# The core as a program with its own renderer and log drives it: no GL linked.
add_drev_test(uiEmbeddingTest SOURCES unit/uiEmbeddingTest.cpp LIBS vanui)
