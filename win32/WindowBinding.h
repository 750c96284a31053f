// The one way a window or dialog procedure finds its object: the object is
// handed over at creation (CreateWindowExA's last argument, the lParam of
// CreateDialogParamA/DialogBoxParamA, or a property page's own lParam) and
// kept with the window.
#pragma once

#include <windows.h>

#include <prsht.h>

// For a window procedure: on WM_NCCREATE keeps the object from
// lpCreateParams; for every later message returns it. Null before that and
// after UnbindWindow.
template <typename T> T* BoundWindowObject(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* object = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The window procedure of an object bound to its window: from WM_NCCREATE
// on, keeps the window in the object's member Window and hands every message
// to Handle; messages before that get the default answer.
template <typename T, HWND T::*Window, LRESULT (T::*Handle)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    T* self = BoundWindowObject<T>(window, message, lParam);
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    self->*Window = window;
    return (self->*Handle)(message, wParam, lParam);
}

// The object bound to a dialog, also for code outside its procedure (tests);
// null before WM_INITDIALOG.
template <typename T> T* DialogObject(HWND dialog)
{
    return reinterpret_cast<T*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// For a dialog procedure: on WM_INITDIALOG keeps the object from lParam; for
// every later message returns it. Null for the messages before WM_INITDIALOG.
template <typename T> T* BoundDialogObject(HWND dialog, UINT message, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return reinterpret_cast<T*>(lParam);
    }
    return DialogObject<T>(dialog);
}

// The same for a property page: its WM_INITDIALOG brings the page
// description, whose own lParam is the object.
template <typename T> T* BoundPageObject(HWND page, UINT message, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    }
    return BoundDialogObject<T>(page, message, lParam);
}

// Lets go of the object, from WM_NCDESTROY: no message reaches it afterwards.
inline void UnbindWindow(HWND window)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}
