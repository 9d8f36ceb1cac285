#include "EditorChecks.h"
#include "FuzzInputs.h"

namespace {

TEST(FuzzInputs, LspMessages) {
    CheckAll("fuzz_lsp_messages", CheckLspMessages);
}

TEST(FuzzInputs, UiFormat) {
    CheckAll("fuzz_ui_format", CheckUiFormat);
}

} // namespace
