// The picker's call, its callback that selects the starting folder, and the chosen path.
#include "install/FolderPicker.h"

#include <shlobj.h>

FolderPicker::FolderPicker() : chosen{}, title{} {}

bool FolderPicker::browseForFolder(HWND owner, const char* initialSelection, const char* text)
{
    PathText::copy(title, sizeof title, text);
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = onPickerEvent;
    info.lParam = reinterpret_cast<LPARAM>(initialSelection);
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (item == nullptr)
        return false;
    char picked[MAX_PATH] = {};
    // An item without a file-system path (a printer, the network) counts as no choice.
    BOOL hasPath = SHGetPathFromIDListA(item, picked);
    CoTaskMemFree(item);
    return hasPath && picked[0] != '\0' && PathText::copy(chosen, sizeof chosen, picked);
}

int CALLBACK FolderPicker::onPickerEvent(HWND picker, UINT event, LPARAM, LPARAM initialSelection)
{
    if (event == BFFM_INITIALIZED)
        SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, initialSelection);
    return 0;
}
