// FolderPicker: the shell's folder picker, for both of the install dialog's choices.
#pragma once
#include <windows.h>

#include <cstddef>

#include "state/PathText.h"

class FolderPicker {
public:
    FolderPicker();

    // True when a folder with a file-system path was chosen; it is then in path().
    bool browseForFolder(HWND owner, const char* initialSelection, const char* title);
    const char* path() const { return chosen; }

private:
    static int CALLBACK onPickerEvent(HWND picker, UINT event, LPARAM, LPARAM initialSelection);

    char chosen[PathText::Size];
    char title[256];
};
