#include "CodeList.h"

#include <algorithm>
#include <cctype>

const char* const DEFAULT_CODE_LIST = "32-126,160-255";

namespace {

constexpr unsigned long MAX_CODE = 65535;

bool ParseCode(const std::string& text, unsigned long& code) {
    std::size_t pos = 0;
    int base = 10;
    const bool hexPrefix = text.size() > 2 && ((text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) ||
                                               ((text[0] == 'U' || text[0] == 'u') && text[1] == '+'));
    if (hexPrefix) {
        pos = 2;
        base = 16;
    }
    if (pos == text.size()) {
        return false;
    }
    code = 0;
    for (; pos < text.size(); ++pos) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        int digit = 0;
        if (std::isdigit(c)) {
            digit = c - '0';
        } else if (base == 16 && std::isxdigit(c)) {
            digit = std::tolower(c) - 'a' + 10;
        } else {
            return false;
        }
        code = code * base + digit;
        if (code > MAX_CODE) {
            return false;
        }
    }
    return true;
}

bool ParseItem(const std::string& item, unsigned long& first, unsigned long& last) {
    const std::size_t dash = item.find('-');
    if (dash == std::string::npos) {
        if (!ParseCode(item, first)) {
            return false;
        }
        last = first;
        return true;
    }
    return ParseCode(item.substr(0, dash), first) && ParseCode(item.substr(dash + 1), last) && first <= last;
}

} // namespace

bool ParseCodeList(const std::string& text, std::vector<std::uint16_t>& codes, std::string& error) {
    codes.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        unsigned long first = 0;
        unsigned long last = 0;
        if (!ParseItem(item, first, last)) {
            error = "bad code list \"" + text + "\" at \"" + item +
                    "\": expected codes or ranges first-last from 0 to 65535 (0xFFFF, U+FFFF), "
                    "separated by commas";
            return false;
        }
        for (unsigned long code = first; code <= last; ++code) {
            codes.push_back(static_cast<std::uint16_t>(code));
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return true;
}
