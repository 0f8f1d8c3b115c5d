#include "engine/eventfile.h"
#include "engine/fileerror.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvor;
namespace fs = std::filesystem;

namespace {

eventrec named(const std::string& desc, double when = 40000.0) {
    eventrec r;
    assignText(r.desc, desc);
    r.when = when;
    r.rep = 3;
    r.occ = 1;
    return r;
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string recordBytes(const eventrec& r) {
    const auto b = r.encode();
    return std::string(b.begin(), b.end());
}

std::vector<std::string> descriptions(EventFile& file) {
    std::vector<std::string> out;
    file.forEach([&](int, const eventrec& r) {
        out.push_back(trimmedText(r.desc));
        return true;
    });
    return out;
}

class EventFileTest : public ::testing::Test {
protected:
    void fill(std::initializer_list<const char*> names) {
        int n = 1;
        for (const char* name : names)
            file.write(n++, named(name));
    }
    TempDir dir;
    EventFile file{dir.path()};
};

// Makes writes beyond `bytes` fail as on a full disk, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

TEST_F(EventFileTest, AMissingFileCountsZeroAndIsCreatedPrivate) {
    EXPECT_EQ(file.count(), 0);
    ASSERT_TRUE(fs::exists(file.path()));
    EXPECT_EQ(fs::file_size(file.path()), 0u);
    struct stat st {};
    ASSERT_EQ(stat(file.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(EventFileTest, CountRoundsTheLengthToWholeRecords) {
    const std::pair<std::size_t, int> cases[] = {{0, 0},    {1032, 0}, {1033, 1}, {2065, 1},
                                                 {3097, 1}, {3098, 2}, {6195, 3}};
    for (const auto& [bytes, records] : cases) {
        writeBytes(file.path(), std::string(bytes, 'x'));
        EXPECT_EQ(file.count(), records) << bytes << " bytes";
    }
}

TEST_F(EventFileTest, WritesInPlaceAppendsAndReadsBack) {
    fill({"one", "two"});
    file.write(1, named("first", 45000.5));
    ASSERT_EQ(file.count(), 2);
    EXPECT_EQ(file.read(1), named("first", 45000.5));
    EXPECT_EQ(file.read(2), named("two"));
    EXPECT_EQ(fs::file_size(file.path()), 2u * 2065);
    EXPECT_EQ(file.readAllWhen(), (std::vector<double>{45000.5, 40000.0}));
}

TEST_F(EventFileTest, RecordNumbersOutsideTheFileAreRefused) {
    fill({"one"});
    EXPECT_THROW(file.read(0), FileError);
    EXPECT_THROW(file.read(2), FileError);
    EXPECT_THROW(file.write(3, named("gap")), FileError);
    EXPECT_THROW(file.remove(2), FileError);
    EXPECT_EQ(descriptions(file), std::vector<std::string>{"one"});
}

TEST_F(EventFileTest, TheRecordAfterTheLastPossibleIsRefused) {
    // A sparse file of 32767 records.
    { std::ofstream(file.path(), std::ios::binary); }
    fs::resize_file(file.path(), 32767u * 2065);
    ASSERT_EQ(file.count(), 32767);
    EXPECT_THROW(file.write(32768, named("too many")), FileError);
    EXPECT_EQ(file.count(), 32767);
    file.write(32767, named("last"));
    EXPECT_EQ(trimmedText(file.read(32767).desc), "last");
}

TEST_F(EventFileTest, APartialLastRecordReadsItsMissingBytesAsZero) {
    writeBytes(file.path(), recordBytes(named("whole")) + recordBytes(named("cut")).substr(0, 1033));
    ASSERT_EQ(file.count(), 2);
    const eventrec cut = file.read(2);
    EXPECT_EQ(trimmedText(cut.desc), "cut");
    EXPECT_EQ(cut.when, 0.0);
    EXPECT_EQ(file.readAllWhen(), (std::vector<double>{40000.0, 0.0}));

    // Appending after it completes it with zeros.
    file.write(3, named("three"));
    EXPECT_EQ(descriptions(file), (std::vector<std::string>{"whole", "cut", "three"}));
}

TEST_F(EventFileTest, RemovalKeepsTheOrderOfTheOthers) {
    fill({"a", "b", "c", "d"});
    file.remove(2);
    EXPECT_EQ(descriptions(file), (std::vector<std::string>{"a", "c", "d"}));
    file.remove(3);
    file.remove(1);
    EXPECT_EQ(descriptions(file), std::vector<std::string>{"c"});
    file.remove(1);
    EXPECT_EQ(file.count(), 0);
    EXPECT_EQ(fs::file_size(file.path()), 0u);
    EXPECT_FALSE(fs::exists(file.tempPath()));
}

TEST_F(EventFileTest, AnInterruptedRemovalLosesNothingWhenReopened) {
    const std::string four =
        recordBytes(named("a")) + recordBytes(named("b")) + recordBytes(named("c")) + recordBytes(named("d"));
    const std::string withoutB = recordBytes(named("a")) + recordBytes(named("c")) + recordBytes(named("d"));
    struct Case {
        const char* stoppedAt;
        bool datExists;
        std::string tmp;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"while copying", true, withoutB.substr(0, 2065 + 700), {"a", "b", "c", "d"}},
        {"before replacing", true, withoutB, {"a", "b", "c", "d"}},
        {"between delete and rename", false, withoutB, {"a", "c", "d"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stoppedAt);
        fs::remove(file.path());
        if (c.datExists)
            writeBytes(file.path(), four);
        writeBytes(file.tempPath(), c.tmp);
        EXPECT_EQ(descriptions(file), c.expected);
        EXPECT_FALSE(fs::exists(file.tempPath()));
        file.remove(1);
        EXPECT_EQ(file.count(), static_cast<int>(c.expected.size()) - 1);
    }
}

TEST_F(EventFileTest, AFolderThatCannotHoldTheFileIsReported) {
    writeBytes(dir.path() / "plain", "not a folder");
    fs::create_directory(dir.path() / "dat-is-folder");
    fs::create_directory(dir.path() / "dat-is-folder" / EventFile::kFileName);
    std::vector<fs::path> folders = {dir.path() / "missing", dir.path() / "plain", dir.path() / "dat-is-folder"};
    if (geteuid() != 0) { // permissions do not hold the superuser back
        fs::create_directory(dir.path() / "read-only");
        fs::permissions(dir.path() / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
        folders.push_back(dir.path() / "read-only");
    }
    for (const auto& folder : folders) {
        EventFile broken(folder);
        try {
            broken.count();
            ADD_FAILURE() << folder << " gave no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(EventFile::kFileName), std::string::npos) << e.what();
        }
        EXPECT_THROW(broken.write(1, named("x")), FileError);
    }
}

TEST_F(EventFileTest, AFullDiskLeavesTheStoredEventsAsTheyWere) {
    fill({"a", "b", "c", "d"});
    {
        FileSizeLimit limit(4 * 2065 + 100);
        try {
            file.write(5, named("e"));
            ADD_FAILURE() << "the append gave no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("Cannot write"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(fs::file_size(file.path()), 4u * 2065);
    {
        FileSizeLimit limit(2 * 2065);
        EXPECT_THROW(file.remove(1), FileError);
    }
    EXPECT_FALSE(fs::exists(file.tempPath()));
    EXPECT_EQ(descriptions(file), (std::vector<std::string>{"a", "b", "c", "d"}));
}
