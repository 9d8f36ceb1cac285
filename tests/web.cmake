# The playground in Debian's headless Chromium, against the site that make web writes into
# web/dist/ (emscripten builds it from web/CMakeLists.txt, outside this build). Each browser
# test is its own CTest test. The page does not change with this build's sanitizers, so only
# the other builds run them.
if(NOT DREV_SANITIZE)
    find_program(NODE_EXECUTABLE node)
    set(PLAYGROUND_TESTS
        "opens=the page opens vantora.ui"
        "error_edit=an edit that breaks a line"
        "click=a click on a button"
        "share=a share address carries")
    foreach(entry ${PLAYGROUND_TESTS})
        string(REPLACE "=" ";" parts "${entry}")
        list(GET parts 0 name)
        list(GET parts 1 pattern)
        add_test(NAME e2e_playground_${name}
            COMMAND ${NODE_EXECUTABLE} --test --test-name-pattern=${pattern}
                ${PROJECT_SOURCE_DIR}/web/tests/playground.test.mjs)
        set_tests_properties(e2e_playground_${name} PROPERTIES LABELS e2e TIMEOUT 120)
    endforeach()
endif()
