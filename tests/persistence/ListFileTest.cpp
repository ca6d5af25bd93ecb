#include "PersistenceFixture.h"
#include "apps/ListFile.h"

namespace {

const std::wstring kStartMenu = L"\\Windows\\Start Menu\\";

class ListFileTest : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        use_start_menu(kStartMenu);
        put("Windows/Start Menu/Notes.lnk");
        put("Windows/Start Menu/Calc.exe");
        put("Windows/Start Menu/Games/Solitaire.lnk");
    }
};

TEST_F(ListFileTest, ReadsLinesEndedByCrLfOrLineFeedAndDropsALastLineWithoutOne) {
    put("Windows/tslink.lst",
        "\\Windows\\Start Menu\\Games\\Solitaire.lnk\r\n\\Windows\\Start Menu\\Notes.lnk\n\\Windows\\Start Menu\\Calc.exe");
    ReadList();
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Games\\Solitaire.lnk", kStartMenu + L"Notes.lnk"}));
}

TEST_F(ListFileTest, DropsEntriesThatNameNoFileAndTheRewriteForgetsThem) {
    put("Windows/tslink.lst",
        "\\Windows\\Start Menu\\Deleted.lnk\r\n\r\n\\Windows\\Start Menu\r\n\\Windows\\Start Menu\\Calc.exe\r\n");
    ReadList();
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Calc.exe"}));
    WriteList();
    EXPECT_EQ(bytes_of("Windows/tslink.lst"), "\\Windows\\Start Menu\\Calc.exe\r\n");
}

TEST_F(ListFileTest, WithoutValidEntriesTheTopLevelScanGivesTheList) {
    const std::vector<std::wstring> top_level{kStartMenu + L"Calc.exe", kStartMenu + L"Notes.lnk"};
    ReadList();
    EXPECT_EQ(chosen_paths(), top_level);

    appState.chosenCount = 0;
    put("Windows/tslink.lst", "");
    ReadList();
    EXPECT_EQ(chosen_paths(), top_level);

    appState.chosenCount = 0;
    put("Windows/tslink.lst", "\\Windows\\Gone.lnk\r\n");
    ReadList();
    EXPECT_EQ(chosen_paths(), top_level);
}

TEST_F(ListFileTest, WritesEachPathWithCrLfAndNothingElse) {
    appState.chosen[0].path = kStartMenu + L"Notes.lnk";
    appState.chosen[0].name = L"Notes";
    appState.chosen[1].path = kStartMenu + L"Caf\u00e9.lnk";
    appState.chosenCount = 2;
    WriteList();
    EXPECT_EQ(bytes_of("Windows/tslink.lst"), "\\Windows\\Start Menu\\Notes.lnk\r\n\\Windows\\Start Menu\\Caf\xe9.lnk\r\n");

    appState.chosenCount = 0;
    WriteList();
    EXPECT_EQ(bytes_of("Windows/tslink.lst"), "");
}

TEST_F(ListFileTest, PathsOutsideAsciiComeBackAsWritten) {
    put("Windows/Start Menu/Caf\xc3\xa9.lnk");
    appState.chosen[0].path = kStartMenu + L"Caf\u00e9.lnk";
    appState.chosenCount = 1;
    WriteList();
    appState.chosen[0] = ApplicationItem{};
    appState.chosenCount = 0;
    ReadList();
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Caf\u00e9.lnk"}));
}

TEST_F(ListFileTest, ALineTooLongForAPathIsSkippedWhole) {
    std::string folder(229, 'f');
    put("Windows/Start Menu/" + folder + "/Short.lnk");
    std::string fits = "\\Windows\\Start Menu\\" + folder + "\\Short.lnk";  // 259 characters
    put("Windows/Start Menu/" + folder + "/" + std::string(20, 'x'));
    std::string too_long = "\\Windows\\Start Menu\\" + folder + "\\" + std::string(20, 'x');
    ASSERT_EQ(fits.size(), 260u - 1);
    put("Windows/tslink.lst", too_long + "\r\n" + fits + "\r\n");
    ReadList();
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{std::wstring(fits.begin(), fits.end())}));
}

TEST_F(ListFileTest, AcceptedLinesBeyondTheListsRoomAreIgnored) {
    std::string lines;
    for (int i = 0; i < 300; ++i) lines += "\\Windows\\Start Menu\\Notes.lnk\r\n";
    put("Windows/tslink.lst", lines);
    ReadList();
    EXPECT_EQ(appState.chosenCount, kMaxApplicationItems);
}

}  // namespace
