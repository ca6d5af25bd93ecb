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

TEST_F(ListFileTest, KeepsCompleteLinesNamingFilesUpToTheListsRoomAndTheRewriteForgetsTheRest) {
    const std::string folder(229, 'f'), folderPath = "\\Windows\\Start Menu\\" + folder + "\\";
    const std::string fits = folderPath + "Short.lnk", too_long = folderPath + std::string(20, 'x');
    ASSERT_EQ(fits.size(), 260u - 1);
    for (const std::string name : {"Short.lnk", "xxxxxxxxxxxxxxxxxxxx"}) put("Windows/Start Menu/" + folder + "/" + name);
    // Lines end in CR LF or a line feed; a path naming no file, an empty line, a folder, a
    // line too long for a path and a last line without its end are dropped.
    put("Windows/tslink.lst", "\\Windows\\Start Menu\\Games\\Solitaire.lnk\r\n\\Windows\\Start Menu\\Deleted.lnk\r\n\r\n"
                              "\\Windows\\Start Menu\r\n" + too_long + "\r\n" + fits + "\r\n"
                              "\\Windows\\Start Menu\\Notes.lnk\n\\Windows\\Start Menu\\Calc.exe");
    ReadList();
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Games\\Solitaire.lnk",
                                                         std::wstring(fits.begin(), fits.end()),
                                                         kStartMenu + L"Notes.lnk"}));
    WriteList();
    EXPECT_EQ(bytes_of("Windows/tslink.lst"),
              "\\Windows\\Start Menu\\Games\\Solitaire.lnk\r\n" + fits + "\r\n\\Windows\\Start Menu\\Notes.lnk\r\n");

    std::string lines;
    for (int i = 0; i < 300; ++i) lines += "\\Windows\\Start Menu\\Notes.lnk\r\n";
    put("Windows/tslink.lst", lines);
    appState.chosenCount = 0;
    ReadList();
    EXPECT_EQ(appState.chosenCount, kMaxApplicationItems);
}

TEST_F(ListFileTest, WithoutValidEntriesTheTopLevelScanGivesTheList) {
    for (const char* file : {static_cast<const char*>(nullptr), "", "\\Windows\\Gone.lnk\r\n"}) {
        if (file) put("Windows/tslink.lst", file);
        appState.chosenCount = 0;
        ReadList();
        EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Calc.exe", kStartMenu + L"Notes.lnk"}))
            << (file ? file : "no list file");
    }
}

TEST_F(ListFileTest, WritesEachPathWithCrLfInTheDevicesCodePageAndReadsItBackAsWritten) {
    put("Windows/Start Menu/Caf\xc3\xa9.lnk");
    appState.chosen[0].path = kStartMenu + L"Notes.lnk";
    appState.chosen[0].name = L"Notes";
    appState.chosen[1].path = kStartMenu + L"Caf\u00e9.lnk";
    appState.chosenCount = 2;
    WriteList();
    EXPECT_EQ(bytes_of("Windows/tslink.lst"), "\\Windows\\Start Menu\\Notes.lnk\r\n\\Windows\\Start Menu\\Caf\xe9.lnk\r\n");
    appState.chosen[0] = appState.chosen[1] = ApplicationItem{};
    appState.chosenCount = 0;
    ReadList();
    EXPECT_EQ(chosen_paths(), (std::vector<std::wstring>{kStartMenu + L"Notes.lnk", kStartMenu + L"Caf\u00e9.lnk"}));

    appState.chosenCount = 0;
    WriteList();
    EXPECT_EQ(bytes_of("Windows/tslink.lst"), "");
}

}  // namespace
