// Checks the simulated machine that the tests, the demo and the benchmark rely on, and
// names the first piece that is wrong in one line, so that a broken Wine prefix gives
// one clear failure instead of a dozen misleading ones.
// Usage: world_check [--no-cdrom]   (VELNORA_SMALL_DISK=1: E: must be the small disk;
// VELNORA_MEDIUM_DISK=1: F: must be the 1 GiB disk)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/DpiProcess.h"

namespace {

const std::string Remake = "; remake the prefix with tools/prepare-wine.sh";
const char MappedFont[] = "Ume P Gothic";

const char* driveTypeName(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE: return "removable";
    case DRIVE_FIXED: return "a hard disk";
    case DRIVE_REMOTE: return "remote";
    case DRIVE_CDROM: return "a CD-ROM drive";
    case DRIVE_RAMDISK: return "a RAM disk";
    case DRIVE_NO_ROOT_DIR: return "missing";
    default: return "of unknown type";
    }
}

std::string expectDrive(char letter, UINT expected)
{
    char root[] = {letter, ':', '\\', '\0'};
    UINT type = GetDriveTypeA(root);
    if (type == expected)
        return "";
    return std::string(root) + " should be " + driveTypeName(expected) + " but is " + driveTypeName(type) +
           " (Wine reads the drive types from HKLM\\Software\\Wine\\Drives, 64-bit view)" + Remake;
}

// The copy searches every CD-ROM drive, and the tests count its disc tests by drive: a
// host's optical drive that Wine gave a letter would change what they see.
std::string expectCdromsOnly(const std::string& letters)
{
    std::string theirs;
    for (char letter : letters)
        theirs += std::string(theirs.empty() ? "" : " ") + letter + ":";
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (GetDriveTypeA(std::string{letter, ':', '\\'}.c_str()) == DRIVE_CDROM &&
            letters.find(letter) == std::string::npos)
            return std::string{letter} + ":\\ is a CD-ROM drive that the tests did not set up (theirs: " +
                   (theirs.empty() ? "none" : theirs) +
                   "); a host's optical drive? Wine lists its drives in the prefix's dosdevices folder";
    return "";
}

// A tmpfs that tools/test.sh mounts on the drive's folder, of about mebibytes.
std::string expectDiskOf(char letter, ULONGLONG mebibytes, const char* what)
{
    ULARGE_INTEGER available, total, free;
    std::string root = std::string{letter} + ":\\";
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free) || (total.QuadPart >> 20) < mebibytes * 9 / 10 ||
        (total.QuadPart >> 20) > mebibytes * 11 / 10)
        return root + " should be " + what + " (a " + std::to_string(mebibytes) + " MiB tmpfs) but Wine sees " +
               std::to_string(total.QuadPart >> 20) + " MiB; tools/test.sh mounts it on the drive's folder";
    return "";
}

bool set(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && std::strcmp(value, "1") == 0;
}

std::string expectJapaneseCodePage()
{
    if (GetACP() == 932)
        return "";
    return "the ANSI code page is " + std::to_string(GetACP()) +
           ", not 932; Wine takes it from LC_ALL=ja_JP.UTF-8";
}

int CALLBACK noteFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool fontInstalled(const char* face)
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, noteFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// A face at 9 points and 96 DPI, as the dialogs ask for it: its height, internal leading and
// dialog base units as the dialog manager measures them (the mean width of the 52 Latin
// letters), and whether it has the kana and kanji that the dialogs show.
struct FaceMetrics {
    LONG height, leading;
    SIZE units;
    bool japanese;
};

FaceMetrics measure(const char* face)
{
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ previous = SelectObject(screen, font);
    WORD glyphs[2] = {};
    DWORD converted = GetGlyphIndicesW(screen, L"\x30A2\x5168", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SIZE letters = {};
    GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return {metrics.tmHeight, metrics.tmInternalLeading, {(letters.cx / 26 + 1) / 2, metrics.tmHeight},
            converted == 2 && glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF};
}

// Every font that a test relies on, with the Debian package that installs it and, for the
// dialog fonts, the base units that the tests' layouts follow from.
struct TestFont {
    const char* face;
    const char* package;
    const char* use;
    SIZE units; // 0 x 0: not a dialog font
};
const TestFont Fonts[] = {
    {MappedFont, "fonts-horai-umefont", "the dialog font's replacement, with its metrics on a Japanese Windows", {7, 12}},
    {DpiProcess::NarrowDialogFont, "fonts-horai-umefont", "the dialog font narrower than the real one", {6, 12}},
    {"Marlett", "fonts-wine", "the title-bar buttons", {0, 0}},
};

std::string units(SIZE size)
{
    return std::to_string(size.cx) + " x " + std::to_string(size.cy);
}

std::string expectFont(const TestFont& font)
{
    if (!fontInstalled(font.face))
        return std::string("the font ") + font.face + " (" + font.use + ") is not installed: install the package " +
               font.package;
    if (font.units.cx == 0)
        return "";
    FaceMetrics metrics = measure(font.face);
    if (!metrics.japanese)
        return std::string("the font ") + font.face + " has no Japanese glyphs (package " + font.package + ")";
    if (metrics.leading != 0 || metrics.units.cx != font.units.cx || metrics.units.cy != font.units.cy)
        return std::string("the font ") + font.face + " (" + font.use + ") gives dialog units of " +
               units(metrics.units) + " with an internal leading of " + std::to_string(metrics.leading) +
               " at 9 points, not " + units(font.units) + " and 0 (package " + font.package + ")";
    return "";
}

// The dialogs' font must come out as the face that has its metrics on a Japanese Windows.
std::string expectDialogFont()
{
    const char dialogFont[] = "ＭＳ Ｐゴシック";
    char mapped[LF_FACESIZE + 1] = {};
    DWORD size = LF_FACESIZE;
    HKEY key;
    LONG read = RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Fonts\\Replacements", 0, KEY_READ, &key);
    if (read == ERROR_SUCCESS) {
        read = RegQueryValueExA(key, dialogFont, nullptr, nullptr, reinterpret_cast<BYTE*>(mapped), &size);
        RegCloseKey(key);
    }
    if (read != ERROR_SUCCESS || mapped[0] == '\0')
        return "the dialog font is not mapped (HKCU\\Software\\Wine\\Fonts\\Replacements)" + Remake;
    if (std::strcmp(mapped, MappedFont) != 0)
        return std::string("the dialog font is mapped to ") + mapped + ", not to " + MappedFont +
               ", which has its metrics on a Japanese Windows" + Remake;
    FaceMetrics metrics = measure(dialogFont);
    if (!metrics.japanese || metrics.units.cx != 7 || metrics.units.cy != 12)
        return std::string("the dialog font, mapped to ") + mapped + ", does not come out as " + MappedFont + Remake;
    return "";
}

} // namespace

int main(int argc, char** argv)
{
    bool noCdrom = argc > 1 && std::strcmp(argv[1], "--no-cdrom") == 0;
    const std::string checks[] = {
        expectJapaneseCodePage(),
        noCdrom ? expectDrive('Q', DRIVE_FIXED) : expectDrive('Q', DRIVE_CDROM),
        noCdrom ? expectCdromsOnly("") : expectDrive('O', DRIVE_CDROM),
        noCdrom ? "" : expectCdromsOnly("QO"),
        expectDrive('R', DRIVE_REMOVABLE),
        expectDrive('N', DRIVE_REMOTE),
        expectDrive('D', DRIVE_FIXED),
        expectDrive('E', DRIVE_FIXED),
        expectDrive('F', DRIVE_FIXED),
        set("VELNORA_SMALL_DISK") ? expectDiskOf('E', 16, "the small disk") : "",
        set("VELNORA_MEDIUM_DISK") ? expectDiskOf('F', 1024, "the disk with room for a standard installation only") : "",
        expectFont(Fonts[0]),
        expectFont(Fonts[1]),
        expectFont(Fonts[2]),
        expectDialogFont(),
    };
    for (const std::string& problem : checks) {
        if (!problem.empty()) {
            std::printf("world check: %s\n", problem.c_str());
            return 1;
        }
    }
    std::printf("world check: the simulated machine is as the tests expect\n");
    return 0;
}
