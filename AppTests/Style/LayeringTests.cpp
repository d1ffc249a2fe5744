#include "Support/TestPaths.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Each layer includes only what sits under it: the style under the table and the views, the game's
// value types under the storage that keeps them, and the desktop's settings handed to the style by the
// shell rather than read by it.
TEST(Layering, NoLayerIncludesALayerAboveIt) {
    struct Rule {
        const char* folder;
        std::vector<std::string> above;
    };
    const Rule rules[] = {
        {"Style", {"Views/", "Table/", "System/", "Learn/", "Sound/"}},
        {"Game", {"Persistence/", "Table/", "Views/", "System/"}},
        {"Json", {"Persistence/", "Game/", "Table/", "Style/", "Views/", "System/"}},
        {"Persistence", {"Table/", "Views/", "System/"}},
    };
    // The source folder comes from the build, not __FILE__: a compiler cache may make __FILE__ relative.
    const std::filesystem::path app = std::filesystem::path(TestPaths::sourceFolder().toStdString()) / "App";
    for (const Rule& rule : rules) {
        const std::filesystem::path folder = app / rule.folder;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
        int files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            ++files;
            std::ifstream source(entry.path());
            std::string line;
            while (std::getline(source, line))
                for (const std::string& layer : rule.above)
                    EXPECT_EQ(line.find("#include \"" + layer), std::string::npos)
                        << entry.path() << ": " << line;
        }
        EXPECT_GT(files, 1) << rule.folder;
    }
}
