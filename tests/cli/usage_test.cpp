#include <gtest/gtest.h>

#include "cli_process.h"

namespace fontedit::cli {
namespace {

TEST(CliUsage, WrongUsageExitsTwoWithAMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"-x"}, "unknown option '-x'"},
        {{"export", "--bogus"}, "unknown option '--bogus'"},
        {{"export", "a", "b"}, "export takes no operand 'b'"},
        {{"check", "-o", "x"}, "check takes no option '-o'"},
        {{"show", "--force"}, "show takes no option '--force'"},
        {{"export", "-o"}, "option '-o' needs a value"},
        {{"import"}, "import needs a file"},
        {{"import", "f.c", "--offset"}, "option '--offset' needs a value"},
        {{"import", "f.c", "--offset", "-1"}, "offset '-1' is not a number"},
        {{"import", "f.c", "--offset=0x"}, "offset '0x' is not a number"},
        {{"import", "f.c", "--force=yes"}, "option '--force' takes no value"},
        {{"show", ".", "96"}, "'96' is not a glyph code 0-95"},
        {{"show", "33", "A"}, "'A' is not a glyph code 0-95"},
    };
    for (const Case& c : cases) {
        const CliResult result = runCli(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_EQ(result.err, "fontedit-cli: " + c.message +
                                  "\nTry 'fontedit-cli --help' for more information.\n");
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliUsage, HelpAndVersionGoToStandardOutput) {
    const CliResult help = runCli({"export", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: fontedit-cli COMMAND", 0), 0u) << help.out;
    for (const char* command : {"export [", "show [", "check [", "import ["}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "fontedit-cli " FONTEDIT_VERSION "\n");
    EXPECT_EQ(help.err + version.err, "");
}

}  // namespace
}  // namespace fontedit::cli
