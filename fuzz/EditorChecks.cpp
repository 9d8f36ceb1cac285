#include "EditorChecks.h"

#include "LspMessageReader.h"
#include "TextPositions.h"
#include "UiFormatter.h"
#include "UiPlace.h"
#include "UiSyntaxTree.h"

#include <vector>

namespace {

constexpr size_t OFFSET_STEP = 7;
const std::string MESSAGE = "message ";

std::vector<std::string> ReadMessages(const std::string& input, size_t cut) {
    LspMessageReader reader;
    std::vector<std::string> results;
    for (const std::string& piece : {input.substr(0, cut), input.substr(cut)}) {
        reader.Feed(piece.data(), piece.size());
        std::string body;
        std::string problem;
        for (LspMessageReader::Result result;
             (result = reader.Next(body, problem)) != LspMessageReader::Result::NeedMore;) {
            results.push_back(result == LspMessageReader::Result::Message ? MESSAGE + body
                                                                          : "error " + problem);
        }
    }
    return results;
}

} // namespace

std::string CheckLspMessages(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    const std::vector<std::string> whole = ReadMessages(input, size);
    for (const std::string& result : whole) {
        if (result.compare(0, MESSAGE.size(), MESSAGE) == 0 &&
            result.size() - MESSAGE.size() > LspMessageReader::MAX_BODY_SIZE) {
            return "a message longer than a header may say";
        }
    }
    if (whole != ReadMessages(input, cut)) {
        return "cutting the input at " + std::to_string(cut) + " changes what is read";
    }
    return "";
}

std::string CheckUiFormat(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const UiSyntaxTree tree(text);
    for (const bool utf8 : {false, true}) {
        const TextPositions positions(text, utf8);
        for (size_t offset = 0; offset <= size; offset += OFFSET_STEP) {
            PlaceAt(tree, offset);
            const size_t start = positions.Offset(positions.At(offset));
            if (start > size || positions.Offset(positions.At(start)) != start) {
                return "the position of offset " + std::to_string(start) + " does not lead back to it";
            }
        }
    }
    std::string formatted;
    std::string twice;
    std::string problem;
    if (!tree.Complete()) {
        return "";
    }
    if (!FormatUiText(text, formatted, problem)) {
        return problem;
    }
    if (!FormatUiText(formatted, twice, problem) || twice != formatted) {
        return "formatting twice changes the text";
    }
    return "";
}
