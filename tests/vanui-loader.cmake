# The widget tree, the UI context and the UI file loader, and the paths of refused allocations.
foreach(test UiLoaderStructureTest UiColorFontSectionTest UiWidgetItemTest UiWidgetTreeTest
        AllocationFailureTest)
    add_drev_test(${test} SOURCES unit/${test}.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
endforeach()
target_link_libraries(AllocationFailureTest PRIVATE drev_allocation)
target_compile_definitions(UiLoaderStructureTest PRIVATE
    DREV_UI_SEED_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus/fuzz_ui_loader")
