// krfmake's exit statuses: 0 when it did what was asked, EXIT_DEFECT when the input has
// errors (a font file that is not whole, a characters file that is not UTF-8, glyphs that do
// not fit), EXIT_USAGE for a command line it can't follow or a file it can't read or write.
#pragma once

constexpr int EXIT_DEFECT = 1;
constexpr int EXIT_USAGE = 2;
