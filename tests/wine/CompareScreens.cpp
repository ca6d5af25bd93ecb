// Compares the screenshots of one scenario on the emulated device and on Wine over the
// rectangles the program paints, leaving out the text boxes (fonts differ) and the pixels
// nothing paints, as a table lists them:
//   <screen.png> paint|text|unpainted|corners <left> <top> <right> <bottom>
// "corners" leaves out the four corners of a rounded panel outside its frame, which nothing
// paints: the first four pixels of its first and last rows, two of the next, one of the two after.
// Prints, for each screen, the pixels that differ outside text and where they lie.
// Usage: compare_screens TABLE EMULATOR_DIR WINE_DIR; exit status 0 when none differ.
#include "support/PngPicture.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Box {
    int left, top, right, bottom;
    bool holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Screen {
    std::vector<Box> painted;
    std::vector<Box> left_out;  // text boxes and pixels nothing paints
};

// The corners of `panel` outside a rounded frame.
void add_corners(const Box& panel, std::vector<Box>& left_out) {
    const int widths[] = {4, 2, 1, 1};
    for (int row = 0; row < 4; ++row) {
        const int w = widths[row];
        for (int y : {panel.top + row, panel.bottom - 1 - row}) {
            left_out.push_back({panel.left, y, panel.left + w, y + 1});
            left_out.push_back({panel.right - w, y, panel.right, y + 1});
        }
    }
}

bool in_any(const std::vector<Box>& boxes, int x, int y) {
    return std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.holds(x, y); });
}

// The differing pixels of one screen outside the left-out boxes; -1 when it cannot be read.
long compare(const std::string& name, const Screen& screen, const std::string& emulator_dir,
             const std::string& wine_dir) {
    const auto emulator = read_png(emulator_dir + "/" + name), wine = read_png(wine_dir + "/" + name);
    if (!emulator || !wine || emulator->width != wine->width || emulator->height != wine->height) {
        std::printf("%s: missing, unreadable or of different sizes\n", name.c_str());
        return -1;
    }
    long differing = 0;
    Box extent{emulator->width, emulator->height, -1, -1};
    std::string examples;
    for (int y = 0; y < emulator->height; ++y)
        for (int x = 0; x < emulator->width; ++x) {
            if (!in_any(screen.painted, x, y) || in_any(screen.left_out, x, y)) continue;
            if (emulator->at(x, y) == wine->at(x, y)) continue;
            if (++differing <= 8) {
                char example[64];
                std::snprintf(example, sizeof example, " (%d,%d) %06X/%06X", x, y, emulator->at(x, y), wine->at(x, y));
                examples += example;
            }
            extent = {std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x + 1),
                      std::max(extent.bottom, y + 1)};
        }
    std::printf("%s: %ld pixels differ outside text", name.c_str(), differing);
    if (differing)
        std::printf(", within (%d,%d)-(%d,%d); emulator/Wine:%s", extent.left, extent.top, extent.right,
                    extent.bottom, examples.c_str());
    std::printf("\n");
    return differing;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: compare_screens TABLE EMULATOR_DIR WINE_DIR\n");
        return 2;
    }
    std::ifstream table(argv[1]);
    std::map<std::string, Screen> screens;
    std::vector<std::string> order;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name, kind;
        Box box{};
        if (!(fields >> name >> kind >> box.left >> box.top >> box.right >> box.bottom) ||
            (kind != "paint" && kind != "text" && kind != "unpainted" && kind != "corners")) {
            std::fprintf(stderr, "%s: bad line '%s'\n", argv[1], line.c_str());
            return 2;
        }
        if (!screens.count(name)) order.push_back(name);
        auto& screen = screens[name];
        if (kind == "corners") add_corners(box, screen.left_out);
        else (kind == "paint" ? screen.painted : screen.left_out).push_back(box);
    }
    bool same = !order.empty();
    for (const auto& name : order) same = compare(name, screens[name], argv[2], argv[3]) == 0 && same;
    return same ? 0 : 1;
}
