#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>

#include "formats/own/font_files.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

extern char** environ;

namespace fontedit::cli {

CliResult runCli(const std::vector<std::string>& args, const std::string& out) {
    const support::ScratchDirectory capture;
    const std::string outPath = (capture / "out").string();
    const std::string errPath = (capture / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.empty() ? outPath.c_str() : out.c_str(),
                                     O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT, 0600);
    std::vector<char*> argv{const_cast<char*>(FONTEDIT_CLI)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, FONTEDIT_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " FONTEDIT_CLI);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            out.empty() ? support::readBytes(outPath) : std::string(), support::readBytes(errPath)};
}

std::filesystem::path sampleFontDir() {
    return SAMPLE_FONT_DIR;
}

void copySampleFont(const std::filesystem::path& dir) {
    for (const char* name : {formats::kFontFileName, formats::kLabelFileName}) {
        std::filesystem::copy_file(sampleFontDir() / name, dir / name);
    }
}

}  // namespace fontedit::cli
