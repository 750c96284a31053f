#include "taskbar/TaskbarTray.h"

#include "hookapi/HookApi.h"
#include "win32/Win32Handles.h"

#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

constexpr DWORD kHangMs = 10000;

static TrayState g_state;

const TrayState& CurrentTrayState()
{
    return g_state;
}

bool SetTrayItem(WPARAM item, LPARAM value)
{
    if (item >= static_cast<WPARAM>(kTrayItemCount) || value < 0 || value > 2) {
        return false;
    }
    g_state.values[item] = static_cast<int>(value);
    return true;
}

void PaintTray(HWND bridge, HDC dc)
{
    RECT area;
    GetClientRect(bridge, &area);
    UniqueBrush clockFill(CreateSolidBrush(kFakeSystemClockColour));
    UniqueBrush neighbourFill(CreateSolidBrush(kFakeNeighbourColour));
    DCSelection font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (const TrayElement& element : TrayElements(area, DpiOfWindow(bridge), g_state)) {
        const std::string name = element.className;
        if (name == "TextBlock") {
            continue;
        }
        const bool clock = name == "SystemTray.DateTimeIconContent";
        FillRect(dc, &element.rect, clock ? clockFill.Get() : neighbourFill.Get());
        if (clock) {
            SYSTEMTIME now;
            GetLocalTime(&now);
            char text[16];
            const int length = g_state.Of(TrayItem::Seconds) != 0
                                   ? wsprintfA(text, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond)
                                   : wsprintfA(text, "%02d:%02d", now.wHour, now.wMinute);
            RECT place = element.rect;
            DrawTextA(dc, text, length, &place, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
}

namespace {

// Keeps the taskbar's thread serving its messages while a look waits, as a
// thread answering a cross-apartment call does.
void ServeMessagesFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// The bridge's client object. Its description is the whole neighbourhood,
// one "ClassName;AutomationId;left,top,right,bottom" line per element in
// screen coordinates, read when asked: one call per look, as a cached UI
// Automation search is one round trip.
class TrayAccessible final : public IAccessible {
public:
    explicit TrayAccessible(HWND bridge) : bridge_(bridge) {}
    TrayAccessible(const TrayAccessible&) = delete;
    TrayAccessible& operator=(const TrayAccessible&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return left;
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override
    {
        *parent = nullptr;
        return S_FALSE;
    }
    STDMETHODIMP get_accChildCount(LONG* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP get_accChild(VARIANT, IDispatch** child) override
    {
        *child = nullptr;
        return S_FALSE;
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override
    {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return E_INVALIDARG;
        }
        if (g_state.Of(TrayItem::HangingLooks) != 0) {
            ServeMessagesFor(kHangMs);
        }
        const std::string text = ElementList();
        *description = SysAllocStringLen(nullptr, static_cast<UINT>(text.size()));
        for (size_t i = 0; i < text.size(); ++i) {
            (*description)[i] = static_cast<OLECHAR>(text[i]);
        }
        return S_OK;
    }
    STDMETHODIMP accLocation(LONG*, LONG*, LONG*, LONG*, VARIANT) override { return E_NOTIMPL; }
    STDMETHODIMP get_accRole(VARIANT, VARIANT* role) override
    {
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT, VARIANT* state) override
    {
        state->vt = VT_I4;
        state->lVal = 0;
        return S_OK;
    }
    STDMETHODIMP get_accName(VARIANT, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accValue(VARIANT, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accHelp(VARIANT, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accHelpTopic(BSTR*, VARIANT, LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accFocus(VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accSelection(VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP get_accDefaultAction(VARIANT, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP accSelect(LONG, VARIANT) override { return E_NOTIMPL; }
    STDMETHODIMP accNavigate(LONG, VARIANT, VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP accHitTest(LONG, LONG, VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    std::string ElementList() const
    {
        std::string text;
        if (g_state.Of(TrayItem::EmptyLooks) != 0 || !IsWindow(bridge_)) {
            return text;
        }
        RECT area;
        GetWindowRect(bridge_, &area);
        char line[200];
        for (const TrayElement& element : TrayElements(area, DpiOfWindow(bridge_), g_state)) {
            std::snprintf(line, sizeof line, "%s;%s;%ld,%ld,%ld,%ld\n", element.className, element.automationId,
                          element.rect.left, element.rect.top, element.rect.right, element.rect.bottom);
            text += line;
        }
        return text;
    }

    LONG references_ = 1;
    HWND bridge_;
};

} // namespace

LRESULT AnswerTrayObject(HWND bridge, WPARAM flags, LPARAM objectId)
{
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) {
        return 0;
    }
    TrayAccessible* object = new TrayAccessible(bridge);
    const LRESULT answer = LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return answer;
}

static BOOL CALLBACK AnnounceToBridge(HWND window, LPARAM)
{
    char name[64];
    if (GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, hookapi::kContentBridgeClass) == 0) {
        NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
    }
    return TRUE;
}

void AnnounceTrayChange(HWND taskbar)
{
    EnumChildWindows(taskbar, AnnounceToBridge, 0);
}
