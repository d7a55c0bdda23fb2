#include "shared/services/windows_version.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <regex>

using namespace RARUVOVOVA;

TEST(PackedWindowsVersion, PacksLikeTheVersionRecord) {
    struct Case {
        uint32_t platformId, major, minor, build;
        const char* expected;
    };
    const Case cases[] = {
        {2, 5, 1, 2600, "5.1.2600"},          // Windows XP
        {1, 0, 0, 0x040A08AE, "4.10.2222"},   // Windows 98 SE keeps it all in the build field
        {1, 4, 10, 0x040A08AE, "4.10.2222"},  // and the separate fields do not count there
        {2, 10, 0, 19045, "10.0.19045"},
        {2, 300, 256, 70000, "44.0.4464"},  // each field masked to its width
        {0, 0, 0, 0, "0.0.0"},              // a failed query
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(PackedWindowsVersion(c.platformId, c.major, c.minor, c.build), c.expected);
    }
}

TEST(WindowsVersionText, ReportsTheKernelRelease) {
    utsname names{};
    ASSERT_EQ(::uname(&names), 0);
    const std::string text = WindowsVersionText();
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d+\.\d+\.\d+)"))) << text;
    // "6.1.0-13-amd64" gives "6.1.0".
    EXPECT_EQ(std::string(names.release).rfind(text, 0), 0u) << names.release;
}
