// The compiled resources: templates, pictures and icon as the program relies on them.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/TestFiles.h"

namespace {

const WORD Japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
const DWORD ChildVisible = WS_CHILD | WS_VISIBLE;
const DWORD NoId = static_cast<DWORD>(-1);

struct Expected {
    DWORD id;
    const char* className;
    const char* text;
    short x, y, width, height;
    DWORD style;
    DWORD exStyle;
};

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

void expectControls(const DialogTemplate& t, const std::vector<Expected>& expected)
{
    ASSERT_EQ(t.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TemplateControl& c = t.controls[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(upper(c.className), upper(e.className)); // class names ignore case
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.style, e.style) << std::hex << c.style << " vs " << e.style;
        EXPECT_EQ(c.exStyle, e.exStyle);
        EXPECT_EQ(c.helpId, 0u);
    }
}

// Every template is a modal frame at 0, 0 without menu or class, in 9-point ＭＳ Ｐゴシック; an
// extended one is also version 1, help id 0, weight 0, not italic, DEFAULT_CHARSET.
void expectFrame(const DialogTemplate& t, bool extended, DWORD style, DWORD exStyle, short width,
                 short height, const char* caption)
{
    EXPECT_EQ(t.extended, extended);
    EXPECT_EQ(t.style, style | WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(t.exStyle, exStyle);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.width, width);
    EXPECT_EQ(t.height, height);
    EXPECT_FALSE(t.hasMenu);
    EXPECT_FALSE(t.hasClass);
    EXPECT_EQ(t.caption, caption);
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.font, "ＭＳ Ｐゴシック");
    if (extended) {
        EXPECT_EQ(t.version, 1);
        EXPECT_EQ(t.helpId, 0u);
        EXPECT_EQ(t.weight, 0);
        EXPECT_EQ(t.italic, 0);
        EXPECT_EQ(t.charset, 1);
    }
}

const BITMAPINFOHEADER* bitmap(int id, DWORD& size)
{
    HRSRC resource = FindResourceExA(nullptr, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(id), Japanese);
    if (resource == nullptr)
        return nullptr;
    size = SizeofResource(nullptr, resource);
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, resource)));
}

void expectPaletteBitmap(int id, LONG width, LONG height)
{
    DWORD size = 0;
    const BITMAPINFOHEADER* info = bitmap(id, size);
    ASSERT_NE(info, nullptr) << "bitmap " << id;
    EXPECT_EQ(info->biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(info->biWidth, width);
    EXPECT_EQ(info->biHeight, height); // positive: rows stored bottom-up
    EXPECT_EQ(info->biBitCount, 8);
    EXPECT_EQ(info->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_TRUE(info->biClrUsed == 0 || info->biClrUsed == 256);
    DWORD stride = (width + 3) & ~3;
    EXPECT_EQ(size, sizeof(BITMAPINFOHEADER) + 256 * 4 + stride * height);
}

} // namespace

TEST(Resources, MenuTemplateIsExactlyAsTheMenuNeedsIt)
{
    DialogTemplate t;
    ASSERT_TRUE(loadDialogTemplate("IDD_SETUP_DLG", t));
    expectFrame(t, true, WS_VISIBLE, WS_EX_APPWINDOW, 234, 225, "Velnora");
    const DWORD push = ChildVisible | WS_TABSTOP | BS_PUSHBUTTON;
    expectControls(t, {
        {IDC_INSTALL, "BUTTON", "", 150, 175, 75, 16, push, 0},
        {IDCANCEL, "BUTTON", "ｷｬﾝｾﾙ", 150, 200, 75, 16, push, 0},
        {IDC_PLAY, "BUTTON", "実行", 150, 150, 75, 16, push, 0},
        {IDC_DIRECTX, "BUTTON", "DireｃｔX8.0aインストール", 150, 35, 75, 15, ChildVisible | BS_PUSHBUTTON, 0},
        {NoId, "STATIC", "DirectX8.0aをインストールされていない方は先にインストールしてください。", 150, 5, 75, 25,
         ChildVisible | WS_GROUP | SS_LEFT, 0},
        {NoId, "STATIC", "#121", 5, 5, 138, 213, ChildVisible | SS_BITMAP, 0},
    });
}

TEST(Resources, PicturesAreFullPaletteBottomUpBitmaps)
{
    expectPaletteBitmap(IDB_MENU_PICTURE, 241, 320);
}

TEST(Resources, IconIsOne32By32SixteenColourImage)
{
    HRSRC group = FindResourceExA(nullptr, MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(IDI_SETUP), Japanese);
    ASSERT_NE(group, nullptr);
#pragma pack(push, 2)
    struct Entry { BYTE width, height, colours, reserved; WORD planes, bitCount; DWORD bytes; WORD id; };
    struct Directory { WORD reserved, type, count; Entry entries[1]; };
#pragma pack(pop)
    auto* dir = static_cast<const Directory*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_EQ(dir->count, 1);
    EXPECT_EQ(dir->entries[0].width, 32);
    EXPECT_EQ(dir->entries[0].height, 32);
    EXPECT_EQ(dir->entries[0].colours, 16);
    EXPECT_EQ(dir->entries[0].bitCount, 4);
    HRSRC image = FindResourceExA(nullptr, MAKEINTRESOURCEA(3), MAKEINTRESOURCEA(dir->entries[0].id), Japanese);
    ASSERT_NE(image, nullptr);
    auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image)));
    EXPECT_EQ(info->biWidth, 32);
    EXPECT_EQ(info->biHeight, 64);
    EXPECT_EQ(info->biBitCount, 4);
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP)), nullptr);
}

TEST(Resources, InstallTemplateIsExactlyAsTheInstallDialogNeedsIt)
{
    DialogTemplate t;
    ASSERT_TRUE(loadDialogTemplate("IDD_INST_DLG", t));
    expectFrame(t, true, 0, 0, 203, 137, "インストール");
    const DWORD tab = ChildVisible | WS_TABSTOP;
    expectControls(t, {
        {IDOK, "BUTTON", "ｲﾝｽﾄｰﾙを開始", 7, 111, 60, 16, tab | BS_DEFPUSHBUTTON, 0},
        {IDCANCEL, "BUTTON", "ｷｬﾝｾﾙ", 122, 111, 62, 16, tab | BS_PUSHBUTTON, 0},
        {IDC_DESTINATION, "EDIT", "", 7, 19, 176, 16, tab | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
         WS_EX_STATICEDGE},
        {IDC_CHANGE, "BUTTON", "変更", 7, 39, 56, 16, tab | BS_PUSHBUTTON, 0},
        {NoId, "STATIC", "インストール先", 7, 7, 72, 8, ChildVisible | WS_GROUP | SS_LEFT, 0},
        {IDC_STANDARD, "BUTTON", "標準 （ハードディスクに約1Gの空き容量が必要です）", 15, 73, 175, 10,
         ChildVisible | BS_AUTORADIOBUTTON, 0},
        {NoId, "BUTTON", "インストールタイプの選択", 7, 59, 189, 50, ChildVisible | BS_GROUPBOX, 0},
        {IDC_MAXIMUM, "BUTTON", "最大 （ハードディスクに約１．4Ｇの空き容量が必要です）", 15, 91, 175, 10,
         ChildVisible | BS_AUTORADIOBUTTON, 0},
    });
}

TEST(Resources, CopyTemplateHasTheCancelButtonTheTwoBarsAndTheLabels)
{
    DialogTemplate t;
    ASSERT_TRUE(loadDialogTemplate("IDD_COPY_DLG", t));
    expectFrame(t, true, 0, 0, 182, 99, "インストール中");
    const DWORD label = ChildVisible | WS_GROUP | SS_LEFT | SS_CENTERIMAGE;
    const DWORD bar = ChildVisible | WS_BORDER; // segmented: no PBS_SMOOTH
    expectControls(t, {
        {IDCANCEL, "BUTTON", "ｷｬﾝｾﾙ", 64, 76, 50, 16, ChildVisible | WS_TABSTOP | BS_PUSHBUTTON, 0},
        {IDC_FILE_BAR, "msctls_progress32", "Progress1", 8, 20, 168, 12, bar, 0},
        {IDC_TOTAL_BAR, "msctls_progress32", "Progress2", 8, 56, 168, 12, bar, 0},
        {NoId, "STATIC", "全体", 8, 40, 28, 12, label, 0},
        {NoId, "STATIC", "ファイル：", 8, 4, 28, 12, label, 0},
        {IDC_FILE_NAME, "STATIC", "テスト", 40, 4, 136, 12, label, 0},
    });
}

TEST(Resources, UninstallTemplateIsAStandardHiddenTemplate)
{
    DialogTemplate t;
    ASSERT_TRUE(loadDialogTemplate("IDD_UNINST_DLG", t));
    expectFrame(t, false, 0, 0, 166, 35, "アンインストール");
    const DWORD standardNoId = 0xFFFF;
    expectControls(t, {
        {standardNoId, "STATIC", "ゲームの削除中..\u3000.しばらくお待ちください。", 32, 8, 124, 20,
         ChildVisible | WS_GROUP | SS_LEFT | SS_CENTERIMAGE, 0},
        {standardNoId, "STATIC", "#113", 4, 8, 20, 20, ChildVisible | SS_BITMAP, 0},
    });
    expectPaletteBitmap(IDB_WAIT_PICTURE, 32, 32);
}

TEST(Resources, SetupExeRunsAsItsUserOnEveryWindowsFromVistaOn)
{
    HMODULE setup = LoadLibraryExA((TestFiles::exeFolder() + "setup.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(setup, nullptr);
    HRSRC resource = FindResourceExA(setup, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1),
                                     MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_NE(resource, nullptr);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(setup, resource))),
                         SizeofResource(setup, resource));
    FreeLibrary(setup);
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string::npos);
    for (const char* os : {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                           "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                           "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + os + "}\"/>"), std::string::npos) << os;
    // Sharp at the system's DPI, and the Japanese code page on any system locale, in the
    // form that Windows XP also reads.
    EXPECT_NE(manifest.find("<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">\n"
                            "    <windowsSettings>\n"
                            "      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                            "WindowsSettings\">true</dpiAware>\n"
                            "      <activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/"
                            "WindowsSettings\">ja-JP</activeCodePage>"),
              std::string::npos);
    // Classic segmented bars, and the system's DPI only: no common controls 6, no
    // per-monitor awareness.
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
    EXPECT_EQ(manifest.find("PerMonitor"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
}
