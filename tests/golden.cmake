# Golden pictures (tests/golden/): drev render draws each again with every backend and compares
# it. The goldens are the GL 1.1 backend's pictures: gl1 must match them with the default
# tolerance; the shader backend, in an OpenGL 3.2 core (gl3) and an OpenGL ES 2.0 context
# (gles2), draws as the GL 1.1 one does but for a few pixels and may differ in at most
# DREV_GOLDEN_SHADER_PIXELS of them. A change of drawing must keep them all; when a change of
# picture is meant, the README says how to update them.
set(GOLDEN_DIR ${CMAKE_CURRENT_SOURCE_DIR}/golden)
# A change that is not meant to change the picture is checked with 0: not one pixel may differ.
set(DREV_GOLDEN_TOLERANCE 3 CACHE STRING "Largest channel difference the golden tests allow")
set(GOLDEN_OUT ${CMAKE_CURRENT_BINARY_DIR}/golden)
file(MAKE_DIRECTORY ${GOLDEN_OUT})

# 0.1 % of an 800 x 600 picture.
set(DREV_GOLDEN_SHADER_PIXELS 480 CACHE STRING "Most pixels the shader backend's pictures may differ in")

# add_golden_test(<name> <input file under data/> [render options...]): golden_<name> with gl1,
# golden_gl3_<name> and golden_gles2_<name> with the shader backend.
function(add_golden_test name input)
    add_test(NAME golden_${name}
        COMMAND drev render ${PROJECT_SOURCE_DIR}/data/${input} -o ${GOLDEN_OUT}/${name}.png ${ARGN}
            --compare ${GOLDEN_DIR}/${name}.png --tolerance ${DREV_GOLDEN_TOLERANCE})
    set_tests_properties(golden_${name} PROPERTIES LABELS golden TIMEOUT 120)
    foreach(backend gl3 gles2)
        add_test(NAME golden_${backend}_${name}
            COMMAND drev render ${PROJECT_SOURCE_DIR}/data/${input} -o ${GOLDEN_OUT}/${backend}-${name}.png ${ARGN}
                --backend ${backend} --compare ${GOLDEN_DIR}/${name}.png --max-pixels ${DREV_GOLDEN_SHADER_PIXELS})
        set_tests_properties(golden_${backend}_${name} PROPERTIES LABELS golden TIMEOUT 120)
    endforeach()
endfunction()

# vantora.ui at its first frame, half-way through its animations (they settle at 2901 ms) and
# settled, its widgets alone and the whole UI test window.
add_golden_test(vantora-at0 vantora.ui --at 0)
add_golden_test(vantora-at1450 vantora.ui --at 1450)
add_golden_test(vantora-settled vantora.ui)
add_golden_test(vantora-scene-at0 vantora.ui --scene --at 0)
add_golden_test(vantora-scene-at1450 vantora.ui --scene --at 1450)
add_golden_test(vantora-scene-settled vantora.ui --scene)
# scripts.ui: UTF-8 captions and value texts in several scripts with european.krf, settled.
add_golden_test(scripts-settled scripts.ui)
# The font test window's picture with the font it shows and with a monospaced one.
add_golden_test(font-Default Default.KRF)
add_golden_test(font-mono mono.krf)
