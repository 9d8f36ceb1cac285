# The widget runtime: per-frame placement and animation, the clock, and input events.
foreach(test uiAnimationTest uiInputTest)
    add_drev_test(${test} SOURCES unit/${test}.cpp LIBS vanui_internals drev_gl_recorder)
endforeach()
