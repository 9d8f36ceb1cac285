add_drev_test(FontTestSceneTest SOURCES unit/FontTestSceneTest.cpp LIBS drev_demo_scenes drev_gl_recorder)

add_drev_e2e_test(e2e_font_window fontwindow_test.py)

add_drev_test(UiTestSceneTest SOURCES unit/UiTestSceneTest.cpp LIBS drev_demo_scenes vanui_internals drev_gl_recorder)
# The shipped showcase UI file, loaded from data/ through the real loader and runtime.
add_drev_test(SampleUiFileTest SOURCES unit/SampleUiFileTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
target_compile_definitions(SampleUiFileTest PRIVATE DREV_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
add_drev_e2e_test(e2e_ui_window uiwindow_test.py)
add_drev_e2e_test(e2e_window_return window_return_test.py)
add_drev_test(ErrorBandTest SOURCES unit/ErrorBandTest.cpp LIBS drev_demo_scenes drev_gl_recorder)
# Its own allocation operators count every block a steady frame asks for.
add_drev_test(SteadyFrameMemoryTest SOURCES unit/SteadyFrameMemoryTest.cpp LIBS drev_demo_scenes drev_gl_recorder)
target_compile_definitions(SteadyFrameMemoryTest PRIVATE DREV_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
