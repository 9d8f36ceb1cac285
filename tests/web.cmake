# The playground in Debian's headless Chromium, against the site that make web writes into
# web/dist/ (emscripten builds it from web/CMakeLists.txt, outside this build). Each browser
# test is a CTest test of its own, named after the word that picks it out of the file. The page
# does not change with this build's sanitizers, so only the other builds run them.
if(NOT DREV_SANITIZE)
    find_program(NODE_EXECUTABLE node)
    foreach(word opens breaks click share)
        add_test(NAME e2e_playground_${word}
            COMMAND ${NODE_EXECUTABLE} --test --test-name-pattern=${word}
                ${PROJECT_SOURCE_DIR}/web/tests/playground.test.mjs)
        set_tests_properties(e2e_playground_${word} PROPERTIES LABELS e2e TIMEOUT 120)
    endforeach()
endif()
