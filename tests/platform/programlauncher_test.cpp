#include "platform/programlauncher.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

using kalvor::platform::ProgramLauncher;

namespace {

// The started program runs on its own; its output file shows up when it is done.
std::string waitForFile(const std::filesystem::path& path) {
    for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(ProgramLauncher, StartsInTheStartingDirectoryWithQuotedArguments) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "work dir");
    const auto out = dir.path() / "out.txt";
    const auto script = dir.path() / "report args.sh";
    std::ofstream(script) << "#!/bin/sh\npwd > \"$1.tmp\"; echo \"$2\" >> \"$1.tmp\"; mv \"$1.tmp\" \"$1\"\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    ProgramLauncher launcher;
    ASSERT_TRUE(launcher.start("\"" + script.string() + "\" " + out.string() + " \"two  words\"",
                               (dir.path() / "work dir").string(), 2));
    EXPECT_EQ(waitForFile(out), (dir.path() / "work dir").string() + "\ntwo  words\n");
}

TEST(ProgramLauncher, RefusesWhatCannotStart) {
    TempDir dir;
    ProgramLauncher launcher;
    EXPECT_FALSE(launcher.start("/bin/true", (dir.path() / "missing").string(), 1));
    EXPECT_FALSE(launcher.start((dir.path() / "no-such-program").string(), "", 1));
    EXPECT_FALSE(launcher.start("   ", "", 1));
    EXPECT_TRUE(launcher.start("/bin/true", "", 1));
}
