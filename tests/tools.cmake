if(TARGET krfmake)
    add_test(NAME e2e_krfmake
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/krfmake_test.py --krfmake $<TARGET_FILE:krfmake>)
    set_tests_properties(e2e_krfmake PROPERTIES LABELS e2e TIMEOUT 300)
endif()
