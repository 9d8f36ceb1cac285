#include "CharsFile.h"

#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr std::uint32_t BYTE_ORDER_MARK = 0xFEFF;
constexpr std::uint32_t LAST_16_BIT_CODE = 0xFFFF;

template <typename T> void SortUnique(std::vector<T>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

// Keeps a line's characters as a sample while there is room, and empties it for the next.
void KeepSample(std::string& sample, std::vector<std::string>& samples) {
    if (!sample.empty() && samples.size() < MAX_CHARS_FILE_SAMPLES) {
        samples.push_back(sample);
    }
    sample.clear();
}

} // namespace

bool DecodeCharsText(const std::string& text, CharsFileCodes& result, CharsTextFault& fault) {
    result = CharsFileCodes();
    std::size_t line = 1;
    std::string sample;
    std::size_t sampleLength = 0;
    for (std::size_t position = 0; position < text.size();) {
        const Utf8Step step = DecodeUtf8(text, position);
        if (!step.valid) {
            fault = {line, position, step.problem};
            return false;
        }
        if (step.code == '\n') {
            ++line;
            KeepSample(sample, result.samples);
            sampleLength = 0;
        } else if (step.code != '\r' && step.code != BYTE_ORDER_MARK) {
            if (step.code > LAST_16_BIT_CODE) {
                result.beyond.push_back(step.code);
            } else {
                result.codes.push_back(static_cast<std::uint16_t>(step.code));
            }
            if (sampleLength++ < MAX_CHARS_FILE_SAMPLE_LENGTH) {
                sample.append(text, position, step.length);
            }
        }
        position += step.length;
    }
    KeepSample(sample, result.samples);
    SortUnique(result.codes);
    SortUnique(result.beyond);
    return true;
}

CharsFileRead ReadCharsFile(const std::string& path, CharsFileCodes& result, std::string& error) {
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        error = "cannot read characters file \"" + path + "\": it is a directory";
        return CharsFileRead::CANNOT_READ;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read characters file \"" + path + "\": " + std::strerror(errno);
        return CharsFileRead::CANNOT_READ;
    }
    // Read with a limit rather than by the size the file claims: a pipe or a device has none.
    std::string text(MAX_CHARS_FILE_BYTES + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        error = "cannot read characters file \"" + path + "\"";
        return CharsFileRead::CANNOT_READ;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > MAX_CHARS_FILE_BYTES) {
        error = "characters file \"" + path + "\" has more than " +
                std::to_string(MAX_CHARS_FILE_BYTES / (1024 * 1024)) +
                " MiB, more than any character set needs";
        return CharsFileRead::CANNOT_READ;
    }
    CharsTextFault fault;
    if (!DecodeCharsText(text, result, fault)) {
        error = path + ":" + std::to_string(fault.line) + ": error: invalid UTF-8 at byte offset " +
                std::to_string(fault.offset) + ": " + fault.problem;
        return CharsFileRead::INVALID;
    }
    return CharsFileRead::OK;
}
