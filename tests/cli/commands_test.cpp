// The command-line program run as a user runs it: exit status, standard
// output and standard error, on one seeded home for the whole suite.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/wait.h>

#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

struct tRun {
    int rc = -1;
    std::string out, err;
};

class Commands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dir = std::make_unique<test::tTempDir>(); }
    static void TearDownTestSuite() { dir.reset(); }

    static std::string Home() { return dir->File("home"); }

    // Runs quintara-cli with args (shell words) in the suite's home.
    static tRun Cli(const std::string& args, const std::string& input = "")
    {
        const std::string out = dir->File("out.txt"), err = dir->File("err.txt"), in = dir->File("in.txt");
        WriteFileAtomically(in, input);
        const std::string cmd = std::string(QUINTARA_CLI) + " " + args + " --home '" + Home() + "' <'" + in + "' >'" +
                                out + "' 2>'" + err + "'";
        tRun r;
        const int status = std::system(cmd.c_str());
        r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ReadWholeFile(out, r.out);
        ReadWholeFile(err, r.err);
        return r;
    }

    static std::unique_ptr<test::tTempDir> dir;
};

std::unique_ptr<test::tTempDir> Commands::dir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

constexpr const char* kParis = "--date 1990-05-17 --time 14:30 --place Paris --zone auto";

TEST_F(Commands, EveryDateWordIsChecked)
{
    for (const std::string args :
         {"report compare-day 2026-02-30", "previsions 2023-02-30 7.00 2", "return moon 2026-02-30",
          "transits 2023-02-29", "picture moon 2023-02-30 -o x.svg", "progression 2021-04-31"}) {
        const tRun r = Cli(args + " " + kParis);
        EXPECT_EQ(r.rc, 2) << args;
        EXPECT_TRUE(Has(r.err, "day: ")) << args << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << args;
    }
}

}  // namespace
}  // namespace quintara
