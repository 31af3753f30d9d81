// A dialog's text controls grown until their texts are whole, and the dialog with them.
#include "app/TextFit.h"

#include <algorithm>

#include "app/DialogPicture.h"
#include "app/SystemLibraries.h"

namespace {

const int MaxControls = 32; // the largest dialog has 8

// How a control draws its text: in one line, wrapped at its width, or none of its own (a
// picture, an edit box, a bar, an owner-drawn button).
enum class Shape { None, Line, Wrapped };

struct Control {
    HWND window;
    Shape shape;
    RECT at;  // in the dialog's client area, as it is laid out anew
    RECT was; // as the dialog manager laid it out from the template
};

// user32's DrawTextA, looked up when the dialog opens: every Windows has it, but the
// reviewed import lists do not name it.
using DrawTextFunction = int(WINAPI*)(HDC, LPCSTR, int, LPRECT, UINT);

struct Layout {
    Control controls[MaxControls];
    int count;
    int dpi;
    SIZE units; // the dialog font's mean character width and line height
    DrawTextFunction drawText;
};

bool isClass(HWND window, const char* name)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, name) == 0;
}

void move(RECT& rect, LONG dx, LONG dy)
{
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
}

LONG buttonType(HWND control)
{
    return GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
}

// A static that centres its text vertically draws it in one line.
Shape shapeOf(HWND control)
{
    LONG style = GetWindowLongA(control, GWL_STYLE);
    if (isClass(control, "Static")) {
        LONG type = style & SS_TYPEMASK;
        if (type <= SS_RIGHT)
            return (style & SS_CENTERIMAGE) != 0 ? Shape::Line : Shape::Wrapped;
        return type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP ? Shape::Line : Shape::None;
    }
    if (isClass(control, "Button"))
        return buttonType(control) <= BS_AUTORADIOBUTTON ? Shape::Line : Shape::None;
    return Shape::None;
}

bool isGroupBox(const Control& control)
{
    return isClass(control.window, "Button") && buttonType(control.window) == BS_GROUPBOX;
}

// What a button needs beside its label: a push button its border and focus rectangle, a
// radio button or check box its circle or box and the gap after it, a group box the indent
// of its label on either side. A static draws its text edge to edge.
LONG edges(HWND control, LONG charWidth, int dpi)
{
    if (!isClass(control, "Button"))
        return 0;
    LONG type = buttonType(control);
    if (type <= BS_DEFPUSHBUTTON)
        return 2 * MulDiv(3, dpi, 96);
    if (type == BS_GROUPBOX)
        return 2 * charWidth;
    return std::max<LONG>(GetSystemMetrics(SM_CXMENUCHECK), MulDiv(13, dpi, 96)) + charWidth;
}

// The room that the control's text needs in its own font: the height of the text wrapped
// at width, or the width of its one line with the control's edges.
LONG needed(const Layout& layout, const Control& control, LONG width)
{
    char text[256];
    if (SendMessageA(control.window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)) <= 0)
        return 0;
    UINT format = DT_CALCRECT | DT_EXPANDTABS | (control.shape == Shape::Wrapped ? DT_WORDBREAK : DT_SINGLELINE);
    if (isClass(control.window, "Static") && (GetWindowLongA(control.window, GWL_STYLE) & SS_NOPREFIX) != 0)
        format |= DT_NOPREFIX;
    RECT drawn = {0, 0, width, 0};
    HDC dc = GetDC(control.window);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control.window, WM_GETFONT, 0, 0)));
    layout.drawText(dc, text, -1, &drawn, format);
    SelectObject(dc, previous);
    ReleaseDC(control.window, dc);
    if (control.shape == Shape::Wrapped)
        return drawn.bottom;
    return drawn.right + edges(control.window, layout.units.cx, layout.dpi);
}

bool within(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The control lies right of the column's old right edge, in a row of a grown control.
bool besideGrown(const Layout& layout, const bool* grown, const RECT& at, LONG columnRight)
{
    if (at.left < columnRight)
        return false;
    for (int i = 0; i < layout.count; ++i)
        if (grown[i] && at.top < layout.controls[i].at.bottom && layout.controls[i].at.top < at.bottom)
            return true;
    return false;
}

// Widens the column by dx: every control with its left and right edges, and every group box
// around it. A control beside them gives up its spare width where that is enough, else moves.
void widen(Layout& layout, RECT column, LONG dx)
{
    bool grown[MaxControls] = {};
    for (int i = 0; i < layout.count; ++i) {
        RECT& at = layout.controls[i].at;
        grown[i] = (at.left == column.left && at.right == column.right) ||
                   (isGroupBox(layout.controls[i]) && within(at, column));
        if (grown[i])
            at.right += dx;
    }
    for (int i = 0; i < layout.count; ++i) {
        Control& beside = layout.controls[i];
        if (grown[i] || !besideGrown(layout, grown, beside.at, column.right))
            continue;
        LONG width = beside.at.right - beside.at.left;
        if (beside.shape == Shape::Line && width - needed(layout, beside, width) >= dx)
            beside.at.left += dx;
        else
            move(beside.at, dx, 0);
    }
}

// Moves down the controls that begin below oldBottom across [left, right), so that each
// keeps its gap to newBottom up to one line: a larger gap is free space and takes the growth.
void pushDown(Layout& layout, LONG left, LONG right, LONG oldBottom, LONG newBottom, LONG line)
{
    for (int i = 0; i < layout.count; ++i) {
        RECT& at = layout.controls[i].at;
        if (at.top < oldBottom || at.right <= left || at.left >= right)
            continue;
        LONG dy = newBottom + std::min(at.top - oldBottom, line) - at.top;
        if (dy <= 0)
            continue;
        LONG bottom = at.bottom;
        move(at, 0, dy);
        pushDown(layout, at.left, at.right, bottom, at.bottom, line);
    }
}

int collect(HWND dialog, Control* controls)
{
    RECT client = DialogPicture::clientOnScreen(dialog);
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr && count < MaxControls;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        Control& control = controls[count++];
        control.window = child;
        control.shape = shapeOf(child);
        GetWindowRect(child, &control.at);
        move(control.at, -client.left, -client.top);
        control.was = control.at;
    }
    return count;
}

// Moves what moved or grew, and grows the dialog as far as its controls now reach beyond
// where they reached, so that its right and bottom margins stay as the template made them.
void place(HWND dialog, const Layout& layout)
{
    LONG reachedRight = 0, reachedBottom = 0, reachesRight = 0, reachesBottom = 0;
    for (int i = 0; i < layout.count; ++i) {
        const Control& control = layout.controls[i];
        reachedRight = std::max(reachedRight, control.was.right);
        reachedBottom = std::max(reachedBottom, control.was.bottom);
        reachesRight = std::max(reachesRight, control.at.right);
        reachesBottom = std::max(reachesBottom, control.at.bottom);
        if (control.at.left != control.was.left || control.at.top != control.was.top ||
            control.at.right != control.was.right || control.at.bottom != control.was.bottom)
            SetWindowPos(control.window, nullptr, control.at.left, control.at.top, control.at.right - control.at.left,
                         control.at.bottom - control.at.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LONG dx = std::max(reachesRight - reachedRight, 0L), dy = std::max(reachesBottom - reachedBottom, 0L);
    if (dx == 0 && dy == 0)
        return;
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

// The lines first, so that a text that wraps wraps at the width that its column ends with.
// Without DrawTextA the template's layout stays.
void TextFit::growToFit(HWND dialog)
{
    Layout layout;
    layout.drawText = SystemLibraries::loadedFunction<DrawTextFunction>("user32.dll", "DrawTextA");
    if (layout.drawText == nullptr)
        return;
    layout.count = collect(dialog, layout.controls);
    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    layout.units = SIZE{units.right, units.bottom};
    HDC screen = GetDC(nullptr);
    layout.dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < layout.count; ++i) {
        const Control& control = layout.controls[i];
        LONG width = control.at.right - control.at.left;
        LONG dx = control.shape == Shape::Line ? needed(layout, control, width) - width : 0;
        if (dx > 0)
            widen(layout, control.at, dx);
    }
    for (int i = 0; i < layout.count; ++i) {
        RECT& at = layout.controls[i].at;
        if (layout.controls[i].shape != Shape::Wrapped)
            continue;
        LONG dy = needed(layout, layout.controls[i], at.right - at.left) - (at.bottom - at.top);
        if (dy <= 0)
            continue;
        LONG bottom = at.bottom;
        at.bottom += dy;
        pushDown(layout, at.left, at.right, bottom, at.bottom, layout.units.cy);
    }
    place(dialog, layout);
}
