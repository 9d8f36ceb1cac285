#include "FileText.h"

#include <fstream>
#include <sstream>

std::string ReadFileText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> ReadFileLines(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

void WriteFileText(const std::string& name, const std::string& text) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
}

void CopyVantoraFiles(const std::string& dataFolder) {
    for (const char* name : {"vantora.ui", "default.krf", "label.krf", "text.krf", "title.krf", "small.krf", "mono.krf"}) {
        std::ifstream in(dataFolder + "/" + name, std::ios::binary);
        std::ofstream out(name, std::ios::binary);
        out << in.rdbuf();
    }
}
