// SHGetFileInfo: the icons of programs, shortcuts, folders and documents.
#include "ShellTest.h"

#include <fstream>

#include "resources/Resources.h"
#include "shell/IconArt.h"

namespace shell_test {
namespace {

constexpr UINT kSmall = SHGFI_ICON | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
constexpr UINT kLarge = SHGFI_ICON | SHGFI_SYSICONINDEX | SHGFI_LARGEICON;

struct Answer {
    DWORD_PTR result = 0;
    SHFILEINFO info{};
};

class FileInfo : public ShellTest {
protected:
    Answer ask(const wchar_t* path, UINT flags, DWORD attributes = 0) {
        Answer answer;
        device.run([&] { answer.result = SHGetFileInfo(path, attributes, &answer.info, sizeof answer.info, flags); });
        return answer;
    }

    // The image behind an icon handle, so that two handles can be compared by picture.
    std::shared_ptr<const emu::Icon> image(HICON icon) {
        return host().inspect([&](emu::Device& d) { return d.gdi->icons.shared(icon); });
    }

    void destroy(HICON icon) {
        device.run([&] { EXPECT_TRUE(DestroyIcon(icon)); });
    }
};

TEST_F(FileInfo, IconsComeAtTheirSizesForTheCallerToDestroyAndAMissingFileHasNone) {
    auto small = ask(L"\\Windows\\calc.exe", kSmall);
    auto large = ask(L"\\Windows\\calc.exe", kLarge);
    EXPECT_NE(small.result, 0u);
    EXPECT_EQ(image(small.info.hIcon)->width(), 16);
    EXPECT_EQ(image(large.info.hIcon)->width(), 32);
    EXPECT_EQ(small.info.iIcon, large.info.iIcon);
    EXPECT_EQ(live_icons(), 2u);
    destroy(small.info.hIcon);
    destroy(large.info.hIcon);
    auto missing = ask(L"\\Windows\\backlight.exe", kSmall);
    EXPECT_EQ(missing.result, 0u);
    EXPECT_EQ(missing.info.hIcon, nullptr);
    EXPECT_EQ(live_icons(), 0u);

    auto folder = ask(L"\\My Documents", kLarge);
    auto document = ask(L"\\My Documents\\Welcome.txt", kLarge);
    auto named_folder = ask(L"\\Nowhere", kLarge | SHGFI_USEFILEATTRIBUTES, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(folder.info.iIcon, static_cast<int>(emu::IconArt::Folder));
    EXPECT_EQ(document.info.iIcon, static_cast<int>(emu::IconArt::Document));
    EXPECT_EQ(named_folder.info.iIcon, folder.info.iIcon);
}

// A shortcut wears its target program's icon, read again when the shortcut is rewritten;
// the program's own shortcut wears the installed program's own icon.
TEST_F(FileInfo, AShortcutWearsItsTargetsIcon) {
    auto shortcut = ask(L"\\Windows\\Start Menu\\Calendar.lnk", kSmall);
    auto program = ask(L"\\Windows\\calendar.exe", kSmall);
    EXPECT_EQ(image(shortcut.info.hIcon), image(program.info.hIcon));
    EXPECT_NE(image(shortcut.info.hIcon), image(ask(L"\\Windows\\contacts.exe", kSmall).info.hIcon));
    EXPECT_EQ(shortcut.info.iIcon, program.info.iIcon);
    EXPECT_NE(shortcut.info.hIcon, program.info.hIcon);

    auto mine = device.folder() / "My Documents" / "Mine.lnk";
    std::ofstream(mine) << "18#\"\\Windows\\calc.exe\"";
    auto before = ask(L"\\My Documents\\Mine.lnk", kSmall);
    std::ofstream(mine) << "23#\"\\Windows\\contacts.exe\"";
    auto after = ask(L"\\My Documents\\Mine.lnk", kSmall);
    EXPECT_EQ(image(before.info.hIcon), image(ask(L"\\Windows\\calc.exe", kSmall).info.hIcon));
    EXPECT_EQ(image(after.info.hIcon), image(ask(L"\\Windows\\contacts.exe", kSmall).info.hIcon));

    host().install(L"\\Windows\\Tesselink.exe", &InstalledProgram, tesselink_resources());
    auto answer = ask(L"\\Windows\\Start Menu\\Tesselink.lnk", kLarge | SHGFI_DISPLAYNAME);
    ASSERT_NE(answer.result, 0u);
    EXPECT_EQ(answer.info.iIcon, emu::kIconArtCount);
    EXPECT_EQ(image(answer.info.hIcon)->width(), 32);
    EXPECT_EQ(std::wstring(answer.info.szDisplayName), L"Tesselink");
}

TEST(IconArt, EveryPictureIsDistinctAtBothSizes) {
    for (int size : {16, 32}) {
        std::vector<std::vector<std::uint32_t>> drawn;
        for (int art = 0; art < emu::kIconArtCount; ++art) {
            drawn.push_back(emu::draw_icon_art(static_cast<emu::IconArt>(art), size));
            ASSERT_EQ(drawn.back().size(), static_cast<std::size_t>(size * size));
            for (int earlier = 0; earlier < art; ++earlier) EXPECT_NE(drawn[earlier], drawn[art]) << earlier << " " << art;
        }
    }
}

}  // namespace
}  // namespace shell_test
