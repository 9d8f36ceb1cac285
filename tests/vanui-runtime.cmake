# The widget runtime: per-frame placement and animation, the clock, and input events.
foreach(test uiAnimationTest uiInputTest)
    add_drev_test(${test} SOURCES unit/${test}.cpp LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
endforeach()
# Input arrives the way the bench's windows pass GLUT's events on.
target_link_libraries(uiInputTest PRIVATE vanui_glut)
