// What render and view are given: a UI file (.ui) or a font (.krf), told by the extension in
// any case.
#pragma once

#include <optional>
#include <string>

enum class InputKind { Ui, Font };

// The kind a file's name tells; none for another extension or none at all.
inline std::optional<InputKind> InputKindOf(const std::string& name) {
    const size_t dot = name.find_last_of("./");
    if (dot == std::string::npos || name[dot] != '.') {
        return std::nullopt;
    }
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    if (extension == "ui") {
        return InputKind::Ui;
    }
    if (extension == "krf") {
        return InputKind::Font;
    }
    return std::nullopt;
}
