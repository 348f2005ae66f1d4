#pragma once

// Runs the real fontedit-cli executable, as a script or a build would.
#include <filesystem>
#include <string>
#include <vector>

namespace fontedit::cli {

struct CliResult {
    int status;  // the exit status, -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Standard output goes to `out` instead when given; `out` of the result is then empty.
CliResult runCli(const std::vector<std::string>& args, const std::string& out = {});

// The example font shipped with the sources.
std::filesystem::path sampleFontDir();

// "fntdat.txt" and "mojidat.txt" of the sample font copied into `dir`.
void copySampleFont(const std::filesystem::path& dir);

}  // namespace fontedit::cli
