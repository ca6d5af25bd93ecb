// The program's icon resources: every number decodes to its images, with transparency, and
// loads through LoadIcon and LoadImage.
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

    std::pair<int, int> size_of(HANDLE icon) {
        const emu::Icon* image = gdi().icons.get(icon);
        return image ? std::pair{image->width(), image->height()} : std::pair{0, 0};
    }

    HINSTANCE instance = nullptr;
};

// Every resource is an icon file whose images have transparent and opaque pixels; LoadIcon
// takes the standard size where there is a choice (only 101 has two), else the one image.
TEST_F(IconResources, EveryNumberHasItsImagesAndLoadIconTakesTheStandardOne) {
    for (const auto& blob : tesselink_resources()) {
        SCOPED_TRACE("icon " + std::to_string(blob.id));
        EXPECT_EQ(blob.type, 14);
        const auto images = emu::decode_icon_file({blob.data, blob.size});
        ASSERT_EQ(images.size(), blob.id == 101 ? 2u : 1u);
        for (const auto& image : images) {
            auto alpha_is = [&](std::uint32_t a) {
                return std::any_of(image.argb.begin(), image.argb.end(), [&](auto p) { return p >> 24 == a; });
            };
            EXPECT_TRUE(alpha_is(0) && alpha_is(0xFF)) << "no transparent or no opaque pixel";
        }
        HICON icon = LoadIcon(instance, MAKEINTRESOURCE(blob.id));
        EXPECT_EQ(size_of(icon), (blob.id == 101 ? std::pair{32, 32} : std::pair{images[0].width, images[0].height}));
        EXPECT_TRUE(DestroyIcon(icon));
    }
}

TEST_F(IconResources, LoadImageTakesTheSizeAskedForAndEachLoadIsItsOwnHandle) {
    HANDLE small = LoadImage(instance, MAKEINTRESOURCE(101), IMAGE_ICON, 16, 16, 0);
    HANDLE large = LoadImage(instance, MAKEINTRESOURCE(101), IMAGE_ICON, 32, 32, 0);
    EXPECT_EQ(size_of(small), (std::pair{16, 16}));
    EXPECT_EQ(size_of(large), (std::pair{32, 32}));
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
