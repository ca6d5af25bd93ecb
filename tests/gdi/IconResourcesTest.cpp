// The program's icon resources load through LoadIcon and LoadImage at their stated sizes.
#include "GdiTest.h"
#include "resources/Resources.h"

namespace gdi_test {
namespace {

struct StatedSize {
    int first;
    int last;
    SIZE size;
};

// The resource numbers and sizes the program's drawing relies on.
const StatedSize kStatedSizes[] = {
    {101, 101, {32, 32}}, {104, 115, {14, 14}}, {116, 116, {28, 14}}, {117, 118, {30, 14}},
    {119, 120, {31, 14}}, {121, 121, {28, 14}}, {122, 138, {16, 16}}, {139, 139, {13, 34}},
    {140, 140, {15, 20}}, {141, 141, {13, 34}}, {142, 142, {15, 20}}, {143, 143, {13, 34}},
    {144, 145, {15, 20}}, {146, 146, {13, 34}}, {147, 148, {14, 12}}, {149, 152, {15, 15}},
    {153, 153, {13, 13}},
};

class IconResources : public GdiTest {
protected:
    IconResources() {
        const emu::Module& module = device().install(L"\\Windows\\tesselink.exe", nullptr, tesselink_resources());
        instance = reinterpret_cast<HINSTANCE>(const_cast<emu::Module*>(&module));
    }

    SIZE size_of(HANDLE icon) {
        const emu::Icon* image = gdi().icons.get(icon);
        return image ? SIZE{image->width(), image->height()} : SIZE{0, 0};
    }

    HINSTANCE instance = nullptr;
};

TEST_F(IconResources, EveryResourceNumberLoadsAtItsStatedSize) {
    for (const auto& stated : kStatedSizes)
        for (int number = stated.first; number <= stated.last; ++number) {
            SCOPED_TRACE("icon " + std::to_string(number));
            HICON icon = LoadIcon(instance, MAKEINTRESOURCE(number));
            ASSERT_NE(icon, nullptr);
            EXPECT_EQ(size_of(icon).cx, stated.size.cx);
            EXPECT_EQ(size_of(icon).cy, stated.size.cy);
            EXPECT_TRUE(DestroyIcon(icon));
        }
    EXPECT_EQ(gdi().live_icons(), 0u);
}

TEST_F(IconResources, LoadImageTakesTheImageOfTheSizeAskedFor) {
    HANDLE small = LoadImage(instance, MAKEINTRESOURCE(101), IMAGE_ICON, 16, 16, 0);
    HANDLE large = LoadImage(instance, MAKEINTRESOURCE(101), IMAGE_ICON, 32, 32, 0);
    EXPECT_EQ(size_of(small).cx, 16);
    EXPECT_EQ(size_of(large).cx, 32);
    EXPECT_NE(small, large);
    DestroyIcon(static_cast<HICON>(small));
    DeleteObject(large);
    EXPECT_EQ(gdi().live_icons(), 0u);
}

TEST_F(IconResources, EachLoadIsItsOwnHandle) {
    HICON first = LoadIcon(instance, MAKEINTRESOURCE(104));
    HICON second = LoadIcon(instance, MAKEINTRESOURCE(104));
    EXPECT_NE(first, second);
    EXPECT_EQ(gdi().live_icons(), 2u);
    DestroyIcon(first);
    EXPECT_TRUE(DrawIconEx(surface(14, 14), 0, 0, second, 0, 0, 0, nullptr, DI_NORMAL));
    DestroyIcon(second);
}

TEST_F(IconResources, AMissingNumberOrModuleLoadsNothing) {
    EXPECT_EQ(LoadIcon(instance, MAKEINTRESOURCE(102)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(101)), nullptr);
    EXPECT_EQ(gdi().live_icons(), 0u);
}

}  // namespace
}  // namespace gdi_test
