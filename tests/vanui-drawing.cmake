# Widget drawing: frames, fills, outlines and text placement, checked on the recorded GL stream.
add_drev_test(uiWidgetDrawingTest SOURCES unit/uiWidgetDrawingTest.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
