#include "PersistenceFixture.h"
#include "apps/StartMenuScan.h"

namespace {

const std::wstring kStartMenu = L"\\Windows\\Start Menu\\";

TEST_F(PersistenceTest, TopLevelScanKeepsProgramsAndShortcutsButNotThisProgram) {
    for (auto name : {"Notes.lnk", "TESSELINK.LNK", "tesselink.Exe", "Setup.EXE", "Readme.txt", "NoExtension",
                      "Trailing.", "Calc.exe", "Sub/Inner.lnk", "Folder.exe/x.lnk"})
        put("Windows/Start Menu/" + std::string(name));
    TopLevelScan(kStartMenu.c_str());
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Calc.exe", kStartMenu + L"Notes.lnk",
                                                         kStartMenu + L"Setup.EXE"}));
    EXPECT_TRUE(appState.chosen[0].name.empty());
    EXPECT_EQ(appState.chosen[0].selected, 0);
}

TEST_F(PersistenceTest, FullScanPlacesEachFolderDepthFirstWhereItIsListedAndSelectsTheChosenItems) {
    put("Windows/Start Menu/Accessories/Calc.lnk");
    put("Windows/Start Menu/Accessories/Deeper/Paint.lnk");
    put("Windows/Start Menu/Games/Solitaire.lnk");
    put("Windows/Start Menu/Hidden/Secret.lnk");
    put("Windows/Start Menu/Tools.exe/Tool.lnk");
    put("Windows/Start Menu/Notes.lnk");
    put("Windows/Start Menu/Tesselink.lnk");
    ASSERT_TRUE(SetFileAttributes(L"\\Windows\\Start Menu\\Hidden", FILE_ATTRIBUTE_HIDDEN));
    appState.chosen[0].path = kStartMenu + L"Notes.lnk";  // items on the chosen list come selected,
    appState.chosen[1].path = L"\\WINDOWS\\Start Menu\\Accessories\\Calc.lnk";  // letter case counting
    appState.chosenCount = 2;

    FullScan(kStartMenu.c_str());
    EXPECT_EQ(start_menu_paths(),
              (std::vector<std::wstring>{kStartMenu + L"Accessories\\Calc.lnk", kStartMenu + L"Accessories\\Deeper\\Paint.lnk",
                                         kStartMenu + L"Games\\Solitaire.lnk", kStartMenu + L"Notes.lnk",
                                         kStartMenu + L"Tools.exe\\Tool.lnk"}));
    EXPECT_EQ(appState.startMenu[1].name, L"Paint");
    std::vector<int> selected;
    for (int i = 0; i < appState.startMenuCount; ++i) selected.push_back(appState.startMenu[i].selected);
    EXPECT_EQ(selected, (std::vector<int>{0, 0, 0, 1, 0}));
}

// "<prefix><n>", built by appending: GCC 12 at -O3 reports a false -Wrestrict overlap for
// `"L" + std::to_string(n)`.
std::string numbered(const char* prefix, int n) {
    std::string name = prefix;
    name += std::to_string(n);
    return name;
}

// The full scan ends however the folders are linked: links back to the Start Menu are loops
// it never enters, and once its list is full it enters no further folder, so links that
// double the folders at each level cost nothing beyond that point.
TEST_F(PersistenceTest, ScansStopAtTheRoomOfListingsAndListsAndEndHoweverTheFoldersAreLinked) {
    const auto menu = host("Windows/Start Menu");
    for (int i = 1000; i < 1003; ++i) put(numbered("Windows/Start Menu/A/App", i) + ".lnk");
    put("Windows/Start Menu/L40/Deep.lnk");
    std::filesystem::create_directory_symlink(".", menu / "S1");
    std::filesystem::create_directory_symlink(".", menu / "S2");
    FullScan(kStartMenu.c_str());
    EXPECT_EQ(start_menu_paths(), (std::vector<std::wstring>{kStartMenu + L"A\\App1000.lnk", kStartMenu + L"A\\App1001.lnk",
                                                             kStartMenu + L"A\\App1002.lnk", kStartMenu + L"L40\\Deep.lnk"}));

    for (int i = 1003; i < 1300; ++i) put(numbered("Windows/Start Menu/A/App", i) + ".lnk");
    // L0 to L39, each with two links to the next: 2^40 paths to the last.
    for (int level = 0; level < 40; ++level) {
        std::filesystem::create_directories(menu / numbered("L", level));
        for (auto link : {"a", "b"})
            std::filesystem::create_directory_symlink(numbered("../L", level + 1), menu / numbered("L", level) / link);
    }
    TopLevelScan((kStartMenu + L"A\\").c_str());
    EXPECT_EQ(appState.chosenCount, 128);
    appState.startMenuCount = 0;
    FullScan(kStartMenu.c_str());
    EXPECT_EQ(appState.startMenuCount, kMaxApplicationItems);
    EXPECT_EQ(appState.startMenu[255].path, kStartMenu + L"A\\App1255.lnk");
}

TEST_F(PersistenceTest, PathsThatWouldNotFitAreSkippedNotCut) {
    // A folder whose path leaves room for "Short.lnk" but not for a longer name.
    std::string folder(255 - kStartMenu.size() - 9, 'f');
    put("Windows/Start Menu/" + folder + "/Short.lnk");
    put("Windows/Start Menu/" + folder + "/LongerName.lnk");
    FullScan(kStartMenu.c_str());
    ASSERT_EQ(appState.startMenuCount, 1);
    EXPECT_EQ(appState.startMenu[0].path, kStartMenu + std::wstring(folder.begin(), folder.end()) + L"\\Short.lnk");
    EXPECT_LT(appState.startMenu[0].path.size(), static_cast<size_t>(MAX_PATH));
}

TEST(DisplayName, IsTheTextBetweenTheLastBackslashAndTheLastDot) {
    EXPECT_EQ(DisplayName(L"\\Windows\\Start Menu\\Notes.lnk"), L"Notes");
    EXPECT_EQ(DisplayName(L"\\Windows\\Start Menu\\My.Old.App.exe"), L"My.Old.App");
    EXPECT_EQ(DisplayName(L"\\Windows\\Start Menu\\.lnk"), L"");
    EXPECT_EQ(DisplayName(L"\\Windows\\Start Menu\\NoDot"), L"");
    EXPECT_EQ(DisplayName(L"\\Windows.d\\Start Menu\\NoDot"), L"");
    std::wstring long_path = L"\\Windows\\Start Menu\\" + std::wstring(90, L'x') + L".lnk";
    EXPECT_EQ(DisplayName(long_path.c_str()), L"");
}

}  // namespace
