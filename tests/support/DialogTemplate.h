// Reads a compiled dialog template (standard or extended) back out of the resources,
// with its texts in Shift-JIS, so that tests can compare it with what the program needs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TemplateControl {
    DWORD id;
    std::string className; // "BUTTON", "EDIT", "STATIC" or the class name as written
    std::string text;      // or "#121" for a resource ordinal
    short x, y, width, height;
    DWORD style;
    DWORD exStyle;
    DWORD helpId;
};

struct DialogTemplate {
    bool extended = false;
    WORD version = 0;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    bool hasMenu = false;
    bool hasClass = false;
    std::string caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::string font;
    std::vector<TemplateControl> controls;
};

// Loads the Japanese (1041) template of that name from the running program.
bool loadDialogTemplate(const char* name, DialogTemplate& result);
