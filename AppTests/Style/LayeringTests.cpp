#include "Support/TestPaths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The game's layers from the bottom up; a file includes only its own layer and those under it. The
// game's rules under the style that draws their choices, the storage that keeps both, the lessons, the
// game's controller, the sound, the table's presentation that plays it, the desktop's services, and on
// top the views with the shell that hosts them. A layer is a folder of App/ or a file at its top.
const std::vector<std::vector<std::string>> layers{
    {"Json", "Scheduler"},
    {"Game"},
    {"Style"},
    {"Persistence", "GameSession", "HandSettlement", "AppState"},
    {"Learn"},
    {"GameController"},
    {"Sound"},
    {"Table"},
    {"System", "LaunchPlan", "OwnWindows", "SurfacesLog"},
    {"Views", "MenuBarHost", "SurfaceCoordinator", "SurfaceHost", "PopoverPresentation", "PopoverPlacement",
     "DesktopScreens", "StatusIcon", "main"},
};

// The layer of a path under App/ ("Table/Screen/StageLayout.h", "Scheduler.h"): by its folder, or by
// its own name at the top; -1 for what is not the game's (the engine, the bots, Qt, generated files).
int layerOf(const std::string& path) {
    const std::size_t slash = path.find('/');
    const std::string name =
        slash == std::string::npos ? path.substr(0, path.find('.')) : path.substr(0, slash);
    for (std::size_t layer = 0; layer < layers.size(); ++layer) {
        if (std::find(layers[layer].begin(), layers[layer].end(), name) != layers[layer].end()) {
            return int(layer);
        }
    }
    return -1;
}

} // namespace

TEST(Layering, NoLayerIncludesALayerAboveIt) {
    // The source folder comes from the build, not __FILE__: a compiler cache may make __FILE__ relative.
    const std::filesystem::path app = std::filesystem::path(TestPaths::sourceFolder().toStdString()) / "App";
    const std::regex include(R"(^\s*#\s*include\s+"([^"]+)\")");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(app)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        ++files;
        const std::string path = std::filesystem::relative(entry.path(), app).generic_string();
        const int own = layerOf(path);
        EXPECT_GE(own, 0) << path << " lies in no layer";
        std::ifstream source(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(source, line)) {
            if (std::regex_search(line, match, include)) {
                EXPECT_LE(layerOf(match[1]), own) << path << ": " << line;
            }
        }
    }
    EXPECT_GT(files, 100);
}
