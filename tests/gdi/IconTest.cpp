// The program's icon resources: every number decodes to its images at their sizes, with
// transparency, and loads through LoadIcon and LoadImage.
#include <algorithm>

#include "GdiTest.h"
#include "gdi/IconFile.h"
#include "resources/Resources.h"

namespace gdi_test {
namespace {

class IconResources : public GdiTest {
protected:
    IconResources() {
        const emu::Module& module = device.install(L"\\Windows\\tesselink.exe", nullptr, tesselink_resources());
        instance = reinterpret_cast<HINSTANCE>(const_cast<emu::Module*>(&module));
    }

    SIZE size_of(HANDLE icon) {
        const emu::Icon* image = gdi().icons.get(icon);
        return image ? SIZE{image->width(), image->height()} : SIZE{0, 0};
    }

    HINSTANCE instance = nullptr;
};

using Sizes = std::vector<std::pair<int, int>>;

TEST_F(IconResources, EveryNumberHasItsImagesAtTheirSizesAndLoadIconTakesTheStandardOne) {
    std::map<int, Sizes> expected{{101, {{32, 32}, {16, 16}}}};
    for (int id = 104; id <= 153; ++id) expected[id] = {{14, 14}};
    for (int id : {116, 121}) expected[id] = {{28, 14}};
    for (int id : {117, 118}) expected[id] = {{30, 14}};
    for (int id : {119, 120}) expected[id] = {{31, 14}};
    for (int id = 122; id <= 138; ++id) expected[id] = {{16, 16}};
    for (int id : {139, 141, 143, 146}) expected[id] = {{13, 34}};
    for (int id : {140, 142, 144, 145}) expected[id] = {{15, 20}};
    for (int id : {147, 148}) expected[id] = {{14, 12}};
    for (int id = 149; id <= 152; ++id) expected[id] = {{15, 15}};
    expected[153] = {{13, 13}};

    std::map<int, Sizes> found;
    for (const auto& blob : tesselink_resources()) {
        SCOPED_TRACE("icon " + std::to_string(blob.id));
        EXPECT_EQ(blob.type, 14);
        for (const auto& image : emu::decode_icon_file({blob.data, blob.size})) {
            found[blob.id].emplace_back(image.width, image.height);
            auto alpha_is = [&](std::uint32_t a) {
                return std::any_of(image.argb.begin(), image.argb.end(), [&](auto p) { return p >> 24 == a; });
            };
            EXPECT_TRUE(alpha_is(0) && alpha_is(0xFF)) << "no transparent or no opaque pixel";
        }
        HICON icon = LoadIcon(instance, MAKEINTRESOURCE(blob.id));
        EXPECT_EQ(std::pair(int{size_of(icon).cx}, int{size_of(icon).cy}), expected[blob.id][0]);
        EXPECT_TRUE(DestroyIcon(icon));
    }
    EXPECT_EQ(found, expected);
}

TEST_F(IconResources, LoadImageTakesTheSizeAskedForAndEachLoadIsItsOwnHandle) {
    HANDLE small = LoadImage(instance, MAKEINTRESOURCE(101), IMAGE_ICON, 16, 16, 0);
    HANDLE large = LoadImage(instance, MAKEINTRESOURCE(101), IMAGE_ICON, 32, 32, 0);
    EXPECT_EQ(size_of(small).cx, 16);
    EXPECT_EQ(size_of(large).cx, 32);
    HICON again = LoadIcon(instance, MAKEINTRESOURCE(101));
    EXPECT_NE(again, large);
    EXPECT_EQ(gdi().live_icons(), 3u);
    DestroyIcon(static_cast<HICON>(small));
    DeleteObject(large);
    EXPECT_TRUE(DrawIconEx(surface(32, 32), 0, 0, again, 0, 0, 0, nullptr, DI_NORMAL));
    DestroyIcon(again);

    EXPECT_EQ(LoadIcon(instance, MAKEINTRESOURCE(102)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(101)), nullptr);
    EXPECT_EQ(gdi().live_icons(), 0u);
}

}  // namespace
}  // namespace gdi_test
