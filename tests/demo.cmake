add_drev_test(FontTestSceneTest SOURCES unit/FontTestSceneTest.cpp LIBS drev_demo_scenes drev_gl_recorder)

add_drev_e2e_test(e2e_font_window fontwindow_test.py)

# The shipped showcase UI file, loaded from data/ through the real loader and runtime.
