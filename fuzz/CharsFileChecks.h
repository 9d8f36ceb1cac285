// Property checks of krfmake's characters-file reader on arbitrary bytes, shared by its fuzz
// target and by the unit test that replays the stored inputs. Returns an empty string when
// every property holds, or a description of the first one that does not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Decodes the input as a characters file and checks the result against a validator of its
// own, written from the table of well-formed UTF-8 byte sequences.
std::string CheckCharsText(const std::uint8_t* data, std::size_t size);
