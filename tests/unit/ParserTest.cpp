#include "Parser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace drev;

namespace {

struct Reader {
    explicit Reader(const std::string& text) : input(text), tokenizer(input), parser(tokenizer) {}

    std::istringstream input;
    Tokenizer tokenizer;
    Parser parser;
};

std::vector<std::string> Keys(const Hash& hash) {
    std::vector<std::string> keys;
    for (const auto& entry : hash) {
        keys.push_back(entry.first);
    }
    return keys;
}

// --- single values ---

TEST(ParserValues, NumbersStringsAndBooleans) {
    Reader reader("12 \"text\" true false");
    auto number = reader.parser.ReadValue();
    auto text = reader.parser.ReadValue();
    auto yes = reader.parser.ReadValue();
    auto no = reader.parser.ReadValue();
    ASSERT_TRUE(number && text && yes && no);
    EXPECT_EQ(number->Kind(), VALUE_NUMBER);
    EXPECT_EQ(number->AsNumber(), 12.0);
    EXPECT_EQ(text->Kind(), VALUE_STRING);
    EXPECT_EQ(text->AsString(), "text");
    EXPECT_EQ(yes->Kind(), VALUE_BOOLEAN);
    EXPECT_TRUE(yes->AsBoolean());
    EXPECT_EQ(yes->AsNumber(), 1.0);
    EXPECT_FALSE(no->AsBoolean());
    EXPECT_EQ(reader.parser.ReadValue(), nullptr);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_END);
}

// --- arrays ---

TEST(ParserArrays, EmptyAndNestedArrays) {
    Reader reader("[ ] [ [ 1 2 ] \"x\" ]");
    auto empty = reader.parser.ReadValue();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Kind(), VALUE_ARRAY);
    EXPECT_TRUE(empty->AsArray().empty());

    auto outer = reader.parser.ReadValue();
    ASSERT_TRUE(outer);
    const ValueArray& elements = outer->AsArray();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0]->Kind(), VALUE_ARRAY);
    EXPECT_EQ(elements[0]->AsArray()[1]->AsNumber(), 2.0);
    EXPECT_EQ(elements[1]->Kind(), VALUE_STRING);
}

// --- hashes ---

TEST(ParserHashes, EmptyHashAndNestedHashes) {
    Reader reader("{ } { Style { Aspect 3 Border true } List [ 1 ] }");
    auto empty = reader.parser.ReadValue();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Kind(), VALUE_HASH);
    EXPECT_EQ(empty->AsHash().Size(), 0u);

    auto item = reader.parser.ReadHash();
    ASSERT_TRUE(item);
    const Value* style = item->Find("Style");
    ASSERT_NE(style, nullptr);
    ASSERT_EQ(style->Kind(), VALUE_HASH);
    EXPECT_EQ(Keys(style->AsHash()), (std::vector<std::string>{"Aspect", "Border"}));
}

TEST(ParserHashes, KeysAreOrderedByteWise) {
    Reader reader("{ b 1 B 2 a 3 a2 4 A 5 }");
    auto hash = reader.parser.ReadHash();
    ASSERT_TRUE(hash);
    EXPECT_EQ(Keys(*hash), (std::vector<std::string>{"A", "B", "a", "a2", "b"}));
}

TEST(ParserHashes, FirstValueOfARepeatedKeyStays) {
    Reader reader("{ Left 10 Left [ 20 ] }");
    auto hash = reader.parser.ReadHash();
    ASSERT_TRUE(hash);
    EXPECT_EQ(hash->Size(), 1u);
    ASSERT_EQ(hash->Find("Left")->Kind(), VALUE_NUMBER);
    EXPECT_EQ(hash->Find("Left")->AsNumber(), 10.0);
}

TEST(ParserHashes, LoaderAlternatesTokensAndValues) {
    Reader reader("uiWindow \"Main\" \"Application\" { Left 10 }\nuiButton");
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_STRING);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_STRING);
    auto settings = reader.parser.ReadValue();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Kind(), VALUE_HASH);
    EXPECT_EQ(reader.tokenizer.LineNumber(), 2);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_NAME);
    EXPECT_EQ(reader.tokenizer.TextValue(), "uiButton");
}

// --- failures and the token that stays pushed back ---

TEST(ParserFailures, OffendingTokenIsPushedBack) {
    const std::pair<const char*, int> cases[] = {
        {"}", TOKEN_CLOSE_BRACE},
        {"yes", TOKEN_NAME},
        {"{ Left = 10 }", TOKEN_EQUALS},
        {"{ \"Left\" 10 }", TOKEN_STRING},
        {"{ DoFade TRUE }", TOKEN_NAME},
        {"{ Left 10 ]", TOKEN_CLOSE_BRACKET},
        {"[ 1 2", TOKEN_END},
        {"[ 1 | ]", TOKEN_BAR},
        {"[ 1 }", TOKEN_CLOSE_BRACE},
        {"[ [ 1 } ]", TOKEN_CLOSE_BRACE},
        {"{ a { b 1 }", TOKEN_END},
    };
    for (const auto& [text, kind] : cases) {
        Reader reader(text);
        EXPECT_EQ(reader.parser.ReadValue(), nullptr) << text;
        EXPECT_EQ(reader.tokenizer.NextToken(), kind) << text;
    }
}

TEST(ParserFailures, ElementThatFailsAtAClosingBracketFailsTheArray) {
    Reader reader("[ 1 { a ] ] 2");
    EXPECT_EQ(reader.parser.ReadValue(), nullptr);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_CLOSE_BRACKET);
}

TEST(ParserFailures, LexicalErrorStopsTheValueWithOneMessage) {
    testing::internal::CaptureStderr();
    Reader reader("{ Name \"cut");
    EXPECT_EQ(reader.parser.ReadValue(), nullptr);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_ERROR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "End of input inside a string\n");
}

TEST(ParserFailures, EachReaderRefusesAnotherOpening) {
    Reader reader("[ 1 true ] 5");
    EXPECT_EQ(reader.parser.ReadHash(), nullptr);
    auto array = reader.parser.ReadArray();
    ASSERT_TRUE(array);
    EXPECT_EQ(array->size(), 2u);
    EXPECT_EQ(reader.parser.ReadArray(), nullptr);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_NUMBER);
}

// --- nesting limit ---

std::string Nested(int depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

TEST(ParserNesting, ValuesNestUpToTheLimit) {
    Reader reader(Nested(Parser::MAX_DEPTH) + " { a { b 1 } }");
    auto deep = reader.parser.ReadValue();
    ASSERT_TRUE(deep);
    EXPECT_EQ(deep->Kind(), VALUE_ARRAY);
    EXPECT_TRUE(reader.parser.ReadValue()) << "the depth count must drop back after a value";
}

TEST(ParserNesting, DeeperValuesAreRefusedAtTheOpeningMark) {
    Reader reader(Nested(Parser::MAX_DEPTH + 1));
    EXPECT_EQ(reader.parser.ReadValue(), nullptr);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_OPEN_BRACKET);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_CLOSE_BRACKET);

    Reader hashes(std::string(Parser::MAX_DEPTH, '[') + "{ a 1 }");
    EXPECT_EQ(hashes.parser.ReadValue(), nullptr);
    EXPECT_EQ(hashes.tokenizer.NextToken(), TOKEN_OPEN_BRACE);
}

TEST(ParserNesting, MillionOpeningMarksDoNotExhaustTheStack) {
    Reader reader(std::string(1000000, '[') + std::string(1000000, '{'));
    EXPECT_EQ(reader.parser.ReadValue(), nullptr);
    EXPECT_EQ(reader.tokenizer.NextToken(), TOKEN_OPEN_BRACKET);
}

} // namespace
