#include "UiFormatter.h"

#include "Tokenizer.h"
#include "UiKeyTable.h"
#include "UiSyntaxTree.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace {

constexpr int INDENT_WIDTH = 4;
constexpr int BLANK_LINES_BETWEEN_SECTIONS = 2;
constexpr int BLANK_LINES_IN_BLOCKS = 1;
// Aligned columns start at multiples of this.
constexpr size_t COLUMN_STOP = 4;
// A trailing comment keeps at least this many blanks from its token.
constexpr size_t COMMENT_GAP = 2;

size_t RoundUpToStop(size_t column) {
    return (column + COLUMN_STOP - 1) / COLUMN_STOP * COLUMN_STOP;
}

// Columns count characters: a UTF-8 continuation byte takes none.
size_t Width(std::string_view text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view TrimEnd(std::string_view text) {
    const size_t end = text.find_last_not_of(" \t\v\f");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The kind of line end that first ends a line between tokens (a string may hold line ends of
// its own); a line feed when there is none.
std::string LineEndOf(const UiSyntaxTree& tree) {
    const std::string_view text = tree.Text();
    size_t gapStart = 0;
    for (size_t index = 0; index <= tree.Tokens().size(); ++index) {
        const size_t gapEnd = index < tree.Tokens().size() ? tree.Tokens()[index].offset : text.size();
        const size_t end = text.substr(0, gapEnd).find_first_of("\r\n", gapStart);
        if (end != std::string_view::npos) {
            if (text[end] == '\n') {
                return "\n";
            }
            return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
        }
        gapStart = index < tree.Tokens().size() ? tree.Tokens()[index].End() : text.size();
    }
    return "\n";
}

// ---- The writer: tokens, blanks, line ends and the comments that come with each token ----

class LayoutWriter {
public:
    // A measuring writer leaves comments out: it gives the width of a value on one line.
    LayoutWriter(const UiSyntaxTree& tree, std::string lineEnd, bool measuring = false)
        : tree(tree), tokens(tree.Tokens()), lineEnd(std::move(lineEnd)), measuring(measuring) {}

    void SetIndent(int level) { indent = level; }
    int LineIndent() const { return lineIndent; }
    size_t Column() const { return column; }
    // The next token starts a line, after at most maxBlankLines of the blank lines before it.
    void Break(int maxBlankLines) {
        breakPending = true;
        blankLimit = maxBlankLines;
    }
    // The next token on this line starts at the column (or one blank further when the line is
    // past it).
    void PadTo(size_t target) { padColumn = target; }
    // The column a trailing comment starts at; 0 for two blanks after its token.
    void SetCommentColumn(size_t target) { commentColumn = target; }

    // Writes the token's own-line comments, its separator, the token and its trailing comment;
    // returns the column the token starts at.
    size_t Token(size_t index) {
        LeadingComments(index);
        Separate(tokens[index]);
        const size_t start = column;
        Put(tree.TokenText(index));
        const size_t trailing = index + 1;
        if (!measuring && trailing < tokens.size() && IsTrailingComment(trailing)) {
            padColumn = std::max(commentColumn, column + COMMENT_GAP);
            Separate(tokens[trailing]);
            Put(TrimEnd(tree.TokenText(trailing)));
            Break(0);
        }
        return start;
    }

    // The comments on lines of their own just before the token, once.
    void LeadingComments(size_t index) {
        if (measuring || commentsWritten == index) {
            return;
        }
        commentsWritten = index;
        size_t first = index;
        while (first > 0 && tokens[first - 1].kind == UiTokenKind::Comment && !IsTrailingComment(first - 1)) {
            --first;
        }
        for (size_t comment = first; comment < index; ++comment) {
            OwnLineComment(comment);
        }
    }

    // The comments after the last token of the file.
    void EndComments() {
        size_t comment = tokens.size();
        while (comment > 0 && tokens[comment - 1].kind == UiTokenKind::Comment) {
            --comment;
        }
        for (; comment < tokens.size(); ++comment) {
            if (!IsTrailingComment(comment)) {
                OwnLineComment(comment);
            }
        }
    }

    std::string Finish() {
        if (!out.empty()) {
            out += lineEnd;
        }
        return std::move(out);
    }

private:
    bool IsTrailingComment(size_t index) const {
        return tokens[index].kind == UiTokenKind::Comment && index > 0 && tokens[index].breaksBefore == 0 &&
               tokens[index - 1].kind != UiTokenKind::Comment;
    }

    void OwnLineComment(size_t index) {
        if (!breakPending) {
            Break(0);
        }
        Separate(tokens[index]);
        Put(TrimEnd(tree.TokenText(index)));
        Break(indent == 0 ? BLANK_LINES_BETWEEN_SECTIONS : BLANK_LINES_IN_BLOCKS);
    }

    // A new line with its indent, or the blanks before a token on the same line; nothing before
    // the first token of the file.
    void Separate(const UiToken& next) {
        if (!out.empty() && breakPending) {
            const int blankLines = std::min(blankLimit, std::max(0, next.breaksBefore - 1));
            for (int line = 0; line <= blankLines; ++line) {
                out += lineEnd;
            }
            out.append(static_cast<size_t>(indent * INDENT_WIDTH), ' ');
            column = static_cast<size_t>(indent * INDENT_WIDTH);
            lineIndent = indent;
        } else if (!out.empty()) {
            const size_t blanks = padColumn > column ? padColumn - column : 1;
            out.append(blanks, ' ');
            column += blanks;
        }
        breakPending = false;
        padColumn = 0;
    }

    // A string may hold line breaks of its own; the column then counts from the last one.
    void Put(std::string_view text) {
        out += text;
        const size_t lastBreak = text.find_last_of("\r\n");
        column =
            lastBreak == std::string_view::npos ? column + Width(text) : Width(text.substr(lastBreak + 1));
    }

    const UiSyntaxTree& tree;
    const std::vector<UiToken>& tokens;
    const std::string lineEnd;
    const bool measuring;
    std::string out;
    size_t column = 0;
    int indent = 0;
    int lineIndent = 0;
    bool breakPending = false;
    int blankLimit = 0;
    size_t padColumn = 0;
    size_t commentColumn = 0;
    size_t commentsWritten = NO_TOKEN;
};

// ---- The layout of sections, blocks and values ----

// Where the entries of a table's block line up; 0 where nothing does.
struct Alignment {
    size_t valueColumn = 0;
    size_t commentColumn = 0;
    size_t elementWidth = 0;
};

bool AlignsColumns(UiBlock block) {
    return block == UiBlock::FontTable || block == UiBlock::ColorTable;
}

class Layout {
public:
    explicit Layout(const UiSyntaxTree& tree) : tree(tree), commentsBefore(tree.Tokens().size() + 1, 0) {
        const std::vector<UiToken>& tokens = tree.Tokens();
        for (size_t index = 0; index < tokens.size(); ++index) {
            commentsBefore[index + 1] =
                commentsBefore[index] + (tokens[index].kind == UiTokenKind::Comment ? 1 : 0);
        }
    }

    std::string File(std::string lineEnd) const {
        LayoutWriter out(tree, std::move(lineEnd));
        for (const UiSection& section : tree.Sections()) {
            out.SetIndent(0);
            out.Break(BLANK_LINES_BETWEEN_SECTIONS);
            Section(out, section);
        }
        out.SetIndent(0);
        out.Break(BLANK_LINES_BETWEEN_SECTIONS);
        out.EndComments();
        return out.Finish();
    }

private:
    // Comments strictly between two tokens.
    bool CommentsBetween(size_t first, size_t last) const {
        return last > first + 1 && commentsBefore[last] != commentsBefore[first + 1];
    }

    bool Flat(const UiValue& value) const { return !CommentsBetween(value.first, value.last); }

    std::string_view Key(const UiEntry& entry) const { return tree.TokenText(entry.key); }

    void Section(LayoutWriter& out, const UiSection& section) const {
        out.Token(section.type);
        out.SetIndent(1);
        for (const size_t header : {section.name, section.parent}) {
            if (header != NO_TOKEN) {
                out.Token(header);
            }
        }
        const UiBlock block = InnerBlock(UiBlock::File, tree.TokenText(section.type));
        if (section.value.entries.empty() && Flat(section.value)) {
            Inline(out, section.value, block, 0);
        } else {
            Block(out, section.value, block);
        }
    }

    void Value(LayoutWriter& out, const UiValue& value, UiBlock block, size_t elementWidth) const {
        if (value.kind == UiValueKind::Scalar) {
            out.Token(value.first);
        } else if (Flat(value)) {
            Inline(out, value, block, elementWidth);
        } else if (value.kind == UiValueKind::Hash) {
            Block(out, value, block);
        } else {
            BlockArray(out, value);
        }
    }

    // "{ Key value ... }" or "[ a b ... ]" on one line; scalar elements padded to elementWidth.
    void Inline(LayoutWriter& out, const UiValue& value, UiBlock block, size_t elementWidth) const {
        out.Token(value.first);
        for (const UiEntry& entry : value.entries) {
            out.Token(entry.key);
            Value(out, entry.value, InnerBlock(block, Key(entry)), 0);
        }
        for (const UiValue& element : value.elements) {
            if (element.kind == UiValueKind::Scalar && elementWidth > 0) {
                out.PadTo(out.Token(element.first) + elementWidth + 1);
            } else {
                Value(out, element, UiBlock::Other, 0);
            }
        }
        out.Token(value.last);
    }

    void Block(LayoutWriter& out, const UiValue& hash, UiBlock block) const {
        const int base = out.LineIndent();
        out.Token(hash.first);
        const Alignment alignment = AlignsColumns(block) ? Measure(hash, base + 1, block) : Alignment();
        for (size_t index = 0; index < hash.entries.size(); ++index) {
            out.SetIndent(base + 1);
            const UiEntry& entry = hash.entries[index];
            if (index == 0 || !SharesLine(hash.entries[index - 1], entry, block)) {
                out.Break(index == 0 ? 0 : BLANK_LINES_IN_BLOCKS);
            }
            Entry(out, entry, block, alignment);
        }
        Close(out, hash, base, !hash.entries.empty());
    }

    void BlockArray(LayoutWriter& out, const UiValue& array) const {
        const int base = out.LineIndent();
        out.Token(array.first);
        for (size_t index = 0; index < array.elements.size(); ++index) {
            out.SetIndent(base + 1);
            out.Break(index == 0 ? 0 : BLANK_LINES_IN_BLOCKS);
            Value(out, array.elements[index], UiBlock::Other, 0);
        }
        Close(out, array, base, !array.elements.empty());
    }

    // The comments before the closing bracket stay inside the block, the bracket on its own line.
    void Close(LayoutWriter& out, const UiValue& value, int base, bool afterEntries) const {
        out.SetIndent(base + 1);
        out.Break(afterEntries ? BLANK_LINES_IN_BLOCKS : 0);
        out.LeadingComments(value.last);
        out.SetIndent(base);
        out.Break(0);
        out.Token(value.last);
    }

    // Left, Top, Width and Height of an item go on one line when nothing stands between them.
    bool SharesLine(const UiEntry& previous, const UiEntry& entry, UiBlock block) const {
        const UiKeyInfo* before = FindUiKey(block, Key(previous));
        const UiKeyInfo* key = FindUiKey(block, Key(entry));
        return before != nullptr && key != nullptr && before->placement && key->placement &&
               !CommentsBetween(previous.key, entry.key) && Flat(entry.value);
    }

    // A key, then its value on the same line; should a comment force a line end between them, the
    // value goes on the next line, one level further in.
    void Entry(LayoutWriter& out, const UiEntry& entry, UiBlock block, const Alignment& alignment) const {
        out.Token(entry.key);
        out.SetIndent(out.LineIndent() + 1);
        const bool together = !CommentsBetween(entry.key, entry.value.first);
        if (together && alignment.valueColumn > 0) {
            out.PadTo(alignment.valueColumn);
        }
        if (together && Flat(entry.value)) {
            out.SetCommentColumn(alignment.commentColumn);
        }
        Value(out, entry.value, InnerBlock(block, Key(entry)), alignment.elementWidth);
        out.SetCommentColumn(0);
    }

    // The columns of a table: the values start at the first stop past the longest key, the array
    // elements are as wide as the widest one, the comments start at the first stop two blanks past
    // the longest value.
    Alignment Measure(const UiValue& hash, int indent, UiBlock block) const {
        Alignment alignment;
        size_t longestKey = 0;
        for (const UiEntry& entry : hash.entries) {
            longestKey = std::max(longestKey, Width(Key(entry)));
            if (entry.value.kind != UiValueKind::Array || !Flat(entry.value)) {
                continue;
            }
            for (const UiValue& element : entry.value.elements) {
                if (element.kind == UiValueKind::Scalar) {
                    alignment.elementWidth =
                        std::max(alignment.elementWidth, Width(tree.TokenText(element.first)));
                }
            }
        }
        alignment.valueColumn = static_cast<size_t>(indent * INDENT_WIDTH) + RoundUpToStop(longestKey + 1);
        size_t valueEnd = 0;
        for (const UiEntry& entry : hash.entries) {
            if (Flat(entry.value) && !CommentsBetween(entry.key, entry.value.first)) {
                LayoutWriter scratch(tree, "\n", true);
                Value(scratch, entry.value, InnerBlock(block, Key(entry)), alignment.elementWidth);
                valueEnd = std::max(valueEnd, alignment.valueColumn + scratch.Column());
            }
        }
        alignment.commentColumn = RoundUpToStop(valueEnd + COMMENT_GAP);
        return alignment;
    }

    const UiSyntaxTree& tree;
    // commentsBefore[i]: the comments among the first i tokens.
    std::vector<size_t> commentsBefore;
};

// ---- Checking the result with the loader's Tokenizer ----

bool SameTokens(std::string_view a, std::string_view b) {
    std::istringstream inputA{std::string(a)};
    std::istringstream inputB{std::string(b)};
    drev::Tokenizer tokensA(inputA);
    drev::Tokenizer tokensB(inputB);
    const auto ignore = [](const drev::LexicalError&) {};
    tokensA.SetErrorListener(ignore);
    tokensB.SetErrorListener(ignore);
    for (;;) {
        const int kind = tokensA.NextToken();
        if (kind != tokensB.NextToken() || kind == drev::TOKEN_ERROR ||
            tokensA.TextValue() != tokensB.TextValue()) {
            return false;
        }
        const double numberA = tokensA.NumberValue();
        const double numberB = tokensB.NumberValue();
        if (std::memcmp(&numberA, &numberB, sizeof numberA) != 0) {
            return false;
        }
        if (kind == drev::TOKEN_END) {
            return true;
        }
    }
}

std::vector<std::string_view> Comments(std::string_view text) {
    std::vector<std::string_view> comments;
    for (const UiToken& token : ScanUiSource(text)) {
        if (token.kind == UiTokenKind::Comment) {
            comments.push_back(TrimEnd(text.substr(token.offset, token.length)));
        }
    }
    return comments;
}

} // namespace

bool SameUiContent(std::string_view a, std::string_view b) {
    return SameTokens(a, b) && Comments(a) == Comments(b);
}

bool FormatUiTree(const UiSyntaxTree& tree, std::string& formatted, std::string& problem) {
    if (!tree.Complete()) {
        problem = "the text does not read as a UI file";
        return false;
    }
    std::string result = Layout(tree).File(LineEndOf(tree));
    if (!SameUiContent(tree.Text(), result)) {
        problem = "the layout would not read as the same tokens and comments; the text is left as it is";
        return false;
    }
    formatted = std::move(result);
    return true;
}

bool FormatUiText(std::string_view text, std::string& formatted, std::string& problem) {
    return FormatUiTree(UiSyntaxTree{std::string(text)}, formatted, problem);
}
