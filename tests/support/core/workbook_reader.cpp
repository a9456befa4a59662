#include "support/core/workbook_reader.h"

#include "support/core/temp_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

const std::string& xlrdPython() {
    static const std::string found = [] {
        for (const char* candidate : {"python3", "/usr/bin/python3"}) {
            const std::string probe = std::string(candidate) + " -c 'import xlrd' >/dev/null 2>&1";
            if (std::system(probe.c_str()) == 0) return std::string(candidate);
        }
        return std::string();
    }();
    return found;
}

bool runWorkbookReader(const char* script, const std::vector<std::string>& arguments, std::string& output) {
    std::string command = xlrdPython() + " '" + (testDataFolder() / "platform" / "fixtures" / script).string() + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    command += " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return false;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> workbookLines(const std::filesystem::path& file) {
    std::string output;
    const bool ok = runWorkbookReader("read_workbook.py", {file.string()}, output);
    std::vector<std::string> lines;
    if (!ok) lines.push_back("error|reader failed");
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

bool holdsLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
