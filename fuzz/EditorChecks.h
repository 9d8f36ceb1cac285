// The checks of the fuzz targets for what reads UI files and messages in the editor: the
// language server's message reader, and the syntax tree, places, positions and formatter. The
// fuzz targets and the unit tests that replay the stored inputs run the same checks. Each gives
// "" or what went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reading the bytes whole and cut in two at a place the input picks gives the same messages and
// header errors, and no message is longer than a header may say.
std::string CheckLspMessages(const std::uint8_t* data, std::size_t size);
// Any text makes a tree, places and positions that lead back to their offsets; a text that reads
// completely is laid out to a text with the same tokens and comments, which stays as it is.
std::string CheckUiFormat(const std::uint8_t* data, std::size_t size);
