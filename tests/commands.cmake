# The author's commands. Unit tests compile the units they test from commands/ themselves, so
# that none of them links the real GL: the command line, PNG files, the golden compare, and the
# animation schedule against the toolkit on the recording GL.
find_package(PNG REQUIRED)
find_package(CLI11 CONFIG REQUIRED)
set(COMMANDS_DIR ${PROJECT_SOURCE_DIR}/commands)

add_drev_test(CommandLineTest SOURCES unit/CommandLineTest.cpp ${COMMANDS_DIR}/CommandLine.cpp LIBS CLI11::CLI11)
add_drev_test(PngFileTest SOURCES unit/PngFileTest.cpp LIBS drev_files PNG::PNG)
target_compile_definitions(PngFileTest PRIVATE DREV_FUZZ_DIR="${PROJECT_SOURCE_DIR}/fuzz")
add_drev_test(GoldenCompareTest
    SOURCES unit/GoldenCompareTest.cpp ${COMMANDS_DIR}/GoldenCompare.cpp ${COMMANDS_DIR}/ImageCompare.cpp
    LIBS drev_files)
add_drev_test(AnimationScheduleTest SOURCES unit/AnimationScheduleTest.cpp ${COMMANDS_DIR}/AnimationSchedule.cpp
    LIBS vanui_internals drev_demo_scenes drev_gl_recorder)
foreach(test CommandLineTest PngFileTest GoldenCompareTest AnimationScheduleTest)
    target_include_directories(${test} PRIVATE ${COMMANDS_DIR} ${COMMANDS_DIR}/files)
endforeach()

# The real binary: check's diagnostics and statuses, render's pictures, files and failures, the
# off-screen render against the font test window's screenshot under Xvfb, and UTF-8 UI files.
add_drev_e2e_test(e2e_check check_test.py)
add_drev_e2e_test(e2e_render render_test.py)
add_drev_e2e_test(e2e_render_window render_window_test.py)
add_drev_e2e_test(e2e_view view_test.py)
add_drev_e2e_test(e2e_utf8_text utf8_text_test.py)
