# Console shell: unit tests of its readers, pages, dispatcher, settings and key reading, and
# end-to-end tests of the real program through pipes and a pseudo-terminal.
add_drev_test(TextFieldsTest SOURCES unit/TextFieldsTest.cpp LIBS drev_shell)
add_drev_test(TextTablesTest SOURCES unit/TextTablesTest.cpp LIBS drev_shell)
add_drev_test(PagesTest SOURCES unit/PagesTest.cpp LIBS drev_shell)
add_drev_test(CommandDispatcherTest SOURCES unit/CommandDispatcherTest.cpp LIBS drev_shell)
add_drev_test(ConfigurationTest SOURCES unit/ConfigurationTest.cpp LIBS drev_shell)
add_drev_test(ConsoleKeysTest SOURCES unit/ConsoleKeysTest.cpp LIBS drev_shell)
add_drev_e2e_test(e2e_console console_test.py)
add_drev_e2e_test(e2e_keytest keytest_test.py)
add_drev_e2e_test(e2e_stop_signals signal_test.py)
add_drev_e2e_test(e2e_full_disk full_disk_test.py --krfmake $<TARGET_FILE:krfmake>)
add_drev_e2e_test(e2e_sample_data sample_data_test.py)
