// Property checks of the text-parsing layer on arbitrary bytes, shared by the fuzz targets and
// by the unit test that replays the stored fuzz inputs. Each check runs the code under test on
// one input and returns an empty string when every property holds, or a description of the
// first one that does not. What the tokenizer writes to standard error is captured meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Scans the input to its end, then reads it as the UI loader does, alternating tokens and
// values until the end of input or the first lexical error, and inspects every value read.
std::string CheckValueReader(const std::uint8_t* data, std::size_t size);

// Parses the input as a colour text and, when it is long enough, builds colours from reals
// taken from its bytes.
std::string CheckParseColor(const std::uint8_t* data, std::size_t size);
