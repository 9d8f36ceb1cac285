// Property checks of the console shell's file readers on arbitrary bytes, shared by the fuzz
// targets and by the unit test that replays their stored inputs. Each check writes the files it
// needs into the current working directory (the caller provides a scratch one), runs the readers
// with a console whose input is empty and whose output is kept, and returns an empty string when
// every property holds, or a description of the first one that does not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The bytes are cut at every CONSOLE_FILE_SEPARATOR byte into "Menu.txt", "Languages.txt",
// "items.txt" and "messages.txt" (missing parts are missing files). Loads the four tables, then
// shows every menu page and the language page and checks the page heights, the hotkey table and
// the lookups.
std::string CheckConsoleTables(const std::uint8_t* data, std::size_t size);

// The bytes are "DREV.cfg": reads it, writes "DREV1.cfg", reads that back and checks that the
// settings survive the round trip.
std::string CheckConfiguration(const std::uint8_t* data, std::size_t size);

constexpr char CONSOLE_FILE_SEPARATOR = '\x1e';
