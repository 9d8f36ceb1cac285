# UI files in the editor, through the real binary: drev fmt on every UI file of the repository,
# the language server's protocol through pipes, and the server under Neovim's own LSP client with
# the Neovim setup of editors/.
add_drev_e2e_test(e2e_fmt fmt_test.py)
add_drev_e2e_test(e2e_lsp_protocol lsp_protocol_test.py)
add_drev_e2e_test(e2e_lsp_neovim lsp_neovim_test.py)

# The stored inputs of the fuzz targets for the message reader and the formatter, replayed
# through their checks (the readers compiled in, without GL).
set(EDITOR_COMMANDS_DIR ${PROJECT_SOURCE_DIR}/commands)
add_drev_test(EditorFuzzInputsTest
    SOURCES unit/EditorFuzzInputsTest.cpp ${PROJECT_SOURCE_DIR}/fuzz/EditorChecks.cpp
        ${EDITOR_COMMANDS_DIR}/LspMessageReader.cpp ${EDITOR_COMMANDS_DIR}/UiSourceTokens.cpp
        ${EDITOR_COMMANDS_DIR}/UiSyntaxTree.cpp ${EDITOR_COMMANDS_DIR}/UiKeyTable.cpp
        ${EDITOR_COMMANDS_DIR}/UiFormatter.cpp ${EDITOR_COMMANDS_DIR}/UiPlace.cpp ${EDITOR_COMMANDS_DIR}/TextPositions.cpp
    LIBS drev_parse)
target_include_directories(EditorFuzzInputsTest PRIVATE ${PROJECT_SOURCE_DIR}/fuzz ${EDITOR_COMMANDS_DIR})
target_compile_definitions(EditorFuzzInputsTest PRIVATE DREV_FUZZ_DIR="${PROJECT_SOURCE_DIR}/fuzz")
