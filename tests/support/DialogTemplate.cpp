// Reads a compiled dialog template back out of the resources.
#include "tests/support/DialogTemplate.h"

namespace {

class Reader {
public:
    explicit Reader(const BYTE* data) : start(data), at(data) {}
    WORD word() { WORD v = *reinterpret_cast<const WORD*>(at); at += 2; return v; }
    DWORD dword() { DWORD v = *reinterpret_cast<const DWORD*>(at); at += 4; return v; }
    short signedWord() { return static_cast<short>(word()); }
    BYTE byte() { return *at++; }
    void alignDword() { while ((at - start) % 4 != 0) ++at; }
    void skip(std::size_t bytes) { at += bytes; }

    std::string text()
    {
        std::wstring wide;
        for (WORD c = word(); c != 0; c = word())
            wide.push_back(static_cast<wchar_t>(c));
        return shiftJis(wide);
    }

    // A name or an ordinal: "" for none, "#n" for an ordinal.
    std::string nameOrOrdinal()
    {
        WORD first = *reinterpret_cast<const WORD*>(at);
        if (first == 0) { at += 2; return std::string(); }
        if (first == 0xFFFF) { at += 2; return "#" + std::to_string(word()); }
        return text();
    }

    static std::string shiftJis(const std::wstring& wide)
    {
        if (wide.empty())
            return std::string();
        char buffer[1024] = {};
        int length = WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(wide.size()), buffer,
                                         sizeof buffer, nullptr, nullptr);
        return std::string(buffer, length);
    }

private:
    const BYTE* start;
    const BYTE* at;
};

std::string className(const std::string& raw)
{
    if (raw == "#128") return "BUTTON";
    if (raw == "#129") return "EDIT";
    if (raw == "#130") return "STATIC";
    std::string upper = raw;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return upper == "BUTTON" || upper == "EDIT" || upper == "STATIC" ? upper : raw;
}

} // namespace

bool loadDialogTemplate(const char* name, DialogTemplate& t)
{
    HRSRC resource = FindResourceExA(nullptr, MAKEINTRESOURCEA(5), name,
                                     MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (resource == nullptr)
        return false;
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    Reader r(data);
    t.extended = reinterpret_cast<const WORD*>(data)[1] == 0xFFFF;
    WORD count;
    if (t.extended) {
        t.version = r.word();
        r.word();
        t.helpId = r.dword();
        t.exStyle = r.dword();
        t.style = r.dword();
    } else {
        t.style = r.dword();
        t.exStyle = r.dword();
    }
    count = r.word();
    t.x = r.signedWord(); t.y = r.signedWord();
    t.width = r.signedWord(); t.height = r.signedWord();
    t.hasMenu = !r.nameOrOrdinal().empty();
    t.hasClass = !r.nameOrOrdinal().empty();
    t.caption = r.text();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.word();
        if (t.extended) {
            t.weight = r.word();
            t.italic = r.byte();
            t.charset = r.byte();
        }
        t.font = r.text();
    }
    for (WORD i = 0; i < count; ++i) {
        r.alignDword();
        TemplateControl c{};
        if (t.extended) {
            c.helpId = r.dword();
            c.exStyle = r.dword();
            c.style = r.dword();
        } else {
            c.style = r.dword();
            c.exStyle = r.dword();
        }
        c.x = r.signedWord(); c.y = r.signedWord();
        c.width = r.signedWord(); c.height = r.signedWord();
        c.id = t.extended ? r.dword() : r.word();
        c.className = className(r.nameOrOrdinal());
        c.text = r.nameOrOrdinal();
        r.skip(r.word());
        t.controls.push_back(c);
    }
    return true;
}
