// The system file-open dialog as the program picker asks for it, answered from a thread
// timer while the dialog runs, as a user would answer it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_open_file_dialog.h"
#include "settings/open_module.h"

namespace velkor::win32 {
namespace {

constexpr wchar_t kTitle[] = L"Programm ausw\u00e4hlen";

// What the user does once the dialog is up; runs once, from a timer of this thread.
std::function<void(HWND)> g_userAction;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", kTitle);
    if (!dialog || !IsWindowVisible(dialog) || !g_userAction) return;
    KillTimer(nullptr, timer);
    std::exchange(g_userAction, nullptr)(dialog);
}

std::string ItemText(HWND dialog, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, id, text, 512);
    return Narrow(text);
}

class OpenFileDialogOnWindows : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = Narrow(temp) + "velkor-picker-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(folder_).c_str(), nullptr);
        Touch(folder_ + "\\app.exe");
    }
    void TearDown() override {
        for (const std::string& file : touched_) DeleteFileW(Widen(file).c_str());
        RemoveDirectoryW(Widen(folder_).c_str());
    }
    void Touch(const std::string& path) {
        HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
        touched_.push_back(path);
    }
    // Shows the dialog as the program picker does and lets `action` answer it.
    std::string Pick(std::function<void(HWND)> action) {
        g_userAction = std::move(action);
        SetTimer(nullptr, 0, 50, AnswerDialog);
        return ShowOpenFileDialog(dialogs_, 0, "*.exe (Programme)|*.exe", "Programm ausw\xC3\xA4hlen",
                                  folder_);
    }
    static void Choose(HWND dialog, const std::string& name) {
        SetDlgItemTextW(dialog, cmb13, Widen(name).c_str());
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    std::string folder_;
    std::vector<std::string> touched_;
    Win32OpenFileDialog dialogs_{GetModuleHandleW(nullptr)};
};

TEST_F(OpenFileDialogOnWindows, OpensInTheFolderForExeFilesAndReturnsTheChosenPath) {
    std::string folder, fileType;
    LRESULT fileTypes = 0;
    bool readOnlyBoxShown = true;
    const std::string chosen = Pick([&](HWND dialog) {
        wchar_t path[MAX_PATH] = {};
        SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(path));
        folder = Narrow(path);
        fileTypes = SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0);
        fileType = ItemText(dialog, cmb1);
        readOnlyBoxShown = IsWindowVisible(GetDlgItem(dialog, chx1));
        Choose(dialog, "app.exe");
    });
    EXPECT_EQ(folder, folder_);
    EXPECT_EQ(fileTypes, 1);
    EXPECT_EQ(fileType, "*.exe (Programme)");
    EXPECT_FALSE(readOnlyBoxShown);
    EXPECT_EQ(chosen, folder_ + "\\app.exe");
}

TEST_F(OpenFileDialogOnWindows, CancelAndAPathLongerThan254CharactersGiveEmptyText) {
    EXPECT_EQ(Pick([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }), "");

    // With the folder, "\" and ".exe": exactly 254 characters, and one more.
    const std::string fits(254 - folder_.size() - 5, 'a');
    const std::string tooLong = fits + "b";
    Touch(folder_ + "\\" + fits + ".exe");
    Touch(folder_ + "\\" + tooLong + ".exe");
    EXPECT_EQ(Pick([&](HWND dialog) { Choose(dialog, fits + ".exe"); }),
              folder_ + "\\" + fits + ".exe");
    EXPECT_EQ(Pick([&](HWND dialog) { Choose(dialog, tooLong + ".exe"); }), "");
}

}  // namespace
}  // namespace velkor::win32
