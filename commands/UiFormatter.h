// The one layout of UI files, the one data/vantora.ui is written in:
//   - sections start at the left margin, header tokens one blank apart; up to two blank lines
//     kept between them, up to one inside a block;
//   - a section's hash is a block: "{" at the end of the header line, one key per line indented
//     by four blanks, "}" on a line of its own; Left, Top, Width and Height of an item share one
//     line; an empty hash is "{ }";
//   - a hash or array inside a block stays on its key's line, "{ Aspect 3 Fill 12 }",
//     "[ 1 0 0 1 ]", unless a comment stands inside it: then it is a block too;
//   - in uiFontTable and uiColorTable the values, array elements and comments line up in
//     columns;
//   - every comment stays where it stands: after the token it follows on that token's line, or
//     on a line of its own before the next token, with its blank lines; trailing blanks are
//     dropped, and the file ends with one line end, the kind its first line ends with.
// Only blanks and line ends change: every token keeps its text (a number its digits, a string its
// escapes and line breaks), so the loader reads the same tokens, and formatting twice changes
// nothing.
#pragma once

#include <string>
#include <string_view>

class UiSyntaxTree;

// The text laid out. False, with the reason in problem, for a text that does not read completely
// as a UI file (UiSyntaxTree::Complete), or should the layout not read as the same tokens and
// comments, which is checked with the loader's own Tokenizer before anything is given back.
bool FormatUiText(std::string_view text, std::string& formatted, std::string& problem);
// The same for the tree already made of a text.
bool FormatUiTree(const UiSyntaxTree& tree, std::string& formatted, std::string& problem);

// Whether the loader's Tokenizer reads the same tokens (kind, text, number) from both texts, up
// to the end and without a lexical error, and whether they hold the same comments in order.
bool SameUiContent(std::string_view a, std::string_view b);
