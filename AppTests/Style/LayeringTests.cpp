#include "Support/TestPaths.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

// The style layer sits under the views: the controls draw with it, never the other way round.
TEST(Layering, TheStyleLayerIncludesNothingFromTheViews) {
    // The source folder comes from the build, not __FILE__: a compiler cache may make __FILE__ relative.
    const std::filesystem::path style =
        std::filesystem::path(TestPaths::sourceFolder().toStdString()) / "App" / "Style";
    ASSERT_TRUE(std::filesystem::is_directory(style)) << style;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(style)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        std::ifstream source(entry.path());
        std::string line;
        while (std::getline(source, line))
            EXPECT_EQ(line.find("#include \"Views/"), std::string::npos) << entry.path() << ": " << line;
    }
    EXPECT_GT(files, 20);
}
