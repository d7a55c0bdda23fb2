#include "shared/general/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <csignal>
#include <filesystem>

#include "tests/support/file_helpers.h"

using namespace RARUVOVOVA2DIVFU;
using testsupport::FolderNames;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

class ReplaceFileAtomicallyTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::string file = folder + "/page.htm";

    unsigned modeOf(const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
};

// Lets writes fail after a few bytes, like a full disk, for the rest of the scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace

TEST_F(ReplaceFileAtomicallyTest, NewContentReplacesALongerFileWhole) {
    WriteBytes(file, std::string(5000, 'x'));
    EXPECT_FALSE(ReplaceFileAtomically(file, "short"));
    EXPECT_EQ(ReadBytes(file), "short");
    EXPECT_FALSE(ReplaceFileAtomically(file, ""));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"page.htm"});
}

TEST_F(ReplaceFileAtomicallyTest, PermissionsFollowTheChosenRule) {
    struct Case {
        KeepPermissions rule;
        unsigned oldMode;
        unsigned expected;  // 0: whatever a new file gets (owner may write)
    };
    const Case cases[] = {
        {KeepPermissions::Same, 0640, 0640},
        {KeepPermissions::PlusOwnerWrite, 0444, 0644},
        {KeepPermissions::PlusOwnerWrite, 0755, 0755},
        {KeepPermissions::None, 0400, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.oldMode);
        WriteBytes(file, "old");
        ::chmod(file.c_str(), c.oldMode);
        ASSERT_FALSE(ReplaceFileAtomically(file, "new", c.rule));
        EXPECT_EQ(ReadBytes(file), "new");
        if (c.expected != 0) {
            EXPECT_EQ(modeOf(file), c.expected);
        } else {
            EXPECT_TRUE(modeOf(file) & S_IWUSR);
        }
        ::chmod(file.c_str(), 0644);
    }
}

TEST_F(ReplaceFileAtomicallyTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    WriteBytes(file, "old content");
    std::optional<ErrorRecord> error;
    {
        const FileSizeLimit limit(16);
        error = ReplaceFileAtomically(file, std::string(100000, 'n'));
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EFBIG);
    EXPECT_NE(error->description.find(file), std::string::npos);
    EXPECT_EQ(ReadBytes(file), "old content");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"page.htm"});
}

TEST_F(ReplaceFileAtomicallyTest, RefusesPathsThatCannotHoldTheFile) {
    std::filesystem::create_directory(folder + "/sub");
    WriteBytes(folder + "/sub/keep.txt", "kept");
    WriteBytes(folder + "/plain", "plain");
    const std::string paths[] = {
        folder + "/sub",            // a directory stands there
        folder + "/missing/x.ini",  // folder missing
        folder + "/plain/x.ini",    // a file where the folder should be
        folder + "/",               // no file name
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        const auto error = ReplaceFileAtomically(path, "data");
        ASSERT_TRUE(error);
        EXPECT_FALSE(error->description.empty());
    }
    EXPECT_EQ(ReadBytes(folder + "/sub/keep.txt"), "kept");
    EXPECT_EQ(ReadBytes(folder + "/plain"), "plain");
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"plain", "sub"}));
}

TEST_F(ReplaceFileAtomicallyTest, ASymbolicLinkKeepsPointingToTheNewContent) {
    WriteBytes(folder + "/real.ini", "old");
    std::filesystem::create_symlink("real.ini", folder + "/link.ini");
    ASSERT_FALSE(ReplaceFileAtomically(folder + "/link.ini", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "/link.ini"));
    EXPECT_EQ(ReadBytes(folder + "/real.ini"), "new");
}

TEST_F(ReplaceFileAtomicallyTest, TheOldFilesOwnerStays) {
    if (::geteuid() != 0) GTEST_SKIP() << "only an administrator can hand a file to another user";
    WriteBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ASSERT_FALSE(ReplaceFileAtomically(file, "new", KeepPermissions::Same));
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}
