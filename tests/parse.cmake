add_drev_test(TokenizerTest SOURCES unit/TokenizerTest.cpp LIBS drev_parse)
add_drev_test(ParserTest SOURCES unit/ParserTest.cpp LIBS drev_parse)
add_drev_test(HashLookupTest SOURCES unit/HashLookupTest.cpp LIBS drev_parse)
add_drev_test(PackedColorTest SOURCES unit/PackedColorTest.cpp LIBS drev_parse)

# Every seed and every stored input that once made a fuzz target fail, run through the
# targets' property checks.
add_drev_test(FuzzInputsTest SOURCES unit/FuzzInputsTest.cpp ${PROJECT_SOURCE_DIR}/fuzz/ParseChecks.cpp LIBS drev_parse)
target_include_directories(FuzzInputsTest PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
target_compile_definitions(FuzzInputsTest PRIVATE DREV_FUZZ_DIR="${PROJECT_SOURCE_DIR}/fuzz")
