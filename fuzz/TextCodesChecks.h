// Property checks of the toolkit's text codes (uiTextCodes.h) on arbitrary bytes, shared by
// the fuzz target and by the unit test that replays the stored inputs. Returns an empty string
// when every property holds, or a description of the first one that does not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The input's first byte is a typed key and the rest a text. The form, the codes and the count
// of the text, and of the text after typing the key and after a Backspace, are checked against
// krfmake's UTF-8 decoder, which was written on its own.
std::string CheckTextCodes(const std::uint8_t* data, std::size_t size);
