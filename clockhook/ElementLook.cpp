#include "clockhook/ElementLook.h"

#include "hookapi/HookApi.h"

#include <oleacc.h>
#include <unknwn.h>

#include <string>

// What we use of the UI Automation client, which mingw-w64's headers lack.
// Slots are in the order of the interfaces' definitions; unused ones only
// hold their place.
namespace uia {

constexpr long kClassName = 30012;
constexpr long kAutomationId = 30011;
constexpr long kBoundingRectangle = 30001;
constexpr int kTreeScopeElement = 1;
constexpr int kTreeScopeDescendants = 4;

struct Element;

struct ElementArray : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Length(int* length) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetElement(int index, Element** element) = 0;
};

struct Element : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirst(int, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAll(int, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int, void*, void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int scope, IUnknown* condition, IUnknown* cacheRequest,
                                                        ElementArray** found) = 0;
    virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(long, VARIANT*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(long, BOOL, VARIANT*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(long property, VARIANT* value) = 0;
};

struct CacheRequest : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE AddProperty(long property) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddPattern(long) = 0;
    virtual HRESULT STDMETHODCALLTYPE Clone(void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TreeScope(int*) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_TreeScope(int scope) = 0;
};

struct Automation : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CompareElements(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElement(Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND window, Element** element) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT, Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFocusedElement(Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElementBuildCache(void*, Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache(HWND, void*, Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache(POINT, void*, Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFocusedElementBuildCache(void*, Element**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTreeWalker(void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewWalker(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContentViewWalker(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RawViewWalker(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RawViewCondition(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ControlViewCondition(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContentViewCondition(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateCacheRequest(CacheRequest** request) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTrueCondition(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateFalseCondition(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreatePropertyCondition(long property, VARIANT value, IUnknown** condition) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreatePropertyConditionEx(long, VARIANT, int, IUnknown**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAndCondition(IUnknown*, IUnknown*, IUnknown**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAndConditionFromArray(void*, IUnknown**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateAndConditionFromNativeArray(void*, int, IUnknown**) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateOrCondition(IUnknown* first, IUnknown* second, IUnknown** condition) = 0;
};

// CLSID_CUIAutomation and IID_IUIAutomation.
const CLSID kAutomationClass = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
const IID kAutomationInterface = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};

} // namespace uia

// The classes whose elements a look brings back: the clock's content and
// every neighbour that can stand beside it.
constexpr const wchar_t* kLookedForClasses[] = {L"SystemTray.DateTimeIconContent", L"SystemTray.OmniButton",
                                                L"SystemTray.Stack", L"SystemTray.CopilotIcon",
                                                L"SystemTray.NormalButton"};

template <typename T> static void ReleaseOf(T*& object)
{
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

ElementLook::~ElementLook()
{
    for (auto& kept : bridgeObjects_) {
        ReleaseOf(kept.second);
    }
    ReleaseOf(cacheRequest_);
    ReleaseOf(condition_);
    ReleaseOf(automation_);
}

static std::string Narrow(const wchar_t* text, size_t length)
{
    std::string narrow;
    for (size_t i = 0; i < length; ++i) {
        narrow += text[i] < 128 ? static_cast<char>(text[i]) : '?';
    }
    return narrow;
}

static std::string CachedText(uia::Element* element, long property)
{
    VARIANT value;
    VariantInit(&value);
    std::string text;
    if (SUCCEEDED(element->GetCachedPropertyValue(property, &value)) && value.vt == VT_BSTR && value.bstrVal) {
        text = Narrow(value.bstrVal, SysStringLen(value.bstrVal));
    }
    VariantClear(&value);
    return text;
}

// BoundingRectangle: left, top, width and height as doubles.
static Box CachedRect(uia::Element* element)
{
    VARIANT value;
    VariantInit(&value);
    Box box;
    double* numbers = nullptr;
    if (SUCCEEDED(element->GetCachedPropertyValue(uia::kBoundingRectangle, &value)) && value.vt == (VT_ARRAY | VT_R8) &&
        value.parray->rgsabound[0].cElements == 4 &&
        SUCCEEDED(SafeArrayAccessData(value.parray, reinterpret_cast<void**>(&numbers)))) {
        box = {static_cast<int>(numbers[0]), static_cast<int>(numbers[1]), static_cast<int>(numbers[0] + numbers[2]),
               static_cast<int>(numbers[1] + numbers[3])};
        SafeArrayUnaccessData(value.parray);
    }
    VariantClear(&value);
    return box;
}

// The client object, its condition (any of the classes looked for) and its
// cache request (the three properties, for each found element), made once.
static bool MakeAutomation(IUnknown*& automation, IUnknown*& condition, IUnknown*& cacheRequest)
{
    uia::Automation* client = nullptr;
    if (FAILED(CoCreateInstance(uia::kAutomationClass, nullptr, CLSCTX_INPROC_SERVER, uia::kAutomationInterface,
                                reinterpret_cast<void**>(&client)))) {
        return false;
    }
    automation = client;
    for (const wchar_t* className : kLookedForClasses) {
        VARIANT value;
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocString(className);
        IUnknown* one = nullptr;
        const HRESULT made = client->CreatePropertyCondition(uia::kClassName, value, &one);
        VariantClear(&value);
        if (FAILED(made)) {
            return false;
        }
        IUnknown* either = one;
        if (condition != nullptr && FAILED(client->CreateOrCondition(condition, one, &either))) {
            either = nullptr;
        }
        if (either != one) {
            ReleaseOf(one);
        }
        ReleaseOf(condition);
        condition = either;
        if (condition == nullptr) {
            return false;
        }
    }
    uia::CacheRequest* request = nullptr;
    if (FAILED(client->CreateCacheRequest(&request))) {
        return false;
    }
    cacheRequest = request;
    return SUCCEEDED(request->AddProperty(uia::kClassName)) && SUCCEEDED(request->AddProperty(uia::kAutomationId)) &&
           SUCCEEDED(request->AddProperty(uia::kBoundingRectangle)) &&
           SUCCEEDED(request->put_TreeScope(uia::kTreeScopeElement));
}

// False when UI Automation cannot be asked; found holds what it answered.
bool ElementLook::LookThroughAutomation(HWND taskbar, std::vector<LocatedElement>& found)
{
    if (automation_ == nullptr && !automationMissing_) {
        automationMissing_ = !MakeAutomation(automation_, condition_, cacheRequest_);
        if (automationMissing_) {
            ReleaseOf(cacheRequest_);
            ReleaseOf(condition_);
            ReleaseOf(automation_);
        }
    }
    if (automationMissing_) {
        return false;
    }
    uia::Element* root = nullptr;
    if (FAILED(static_cast<uia::Automation*>(automation_)->ElementFromHandle(taskbar, &root)) || root == nullptr) {
        return false;
    }
    uia::ElementArray* elements = nullptr;
    const HRESULT looked = root->FindAllBuildCache(uia::kTreeScopeDescendants, condition_, cacheRequest_, &elements);
    root->Release();
    int count = 0;
    if (FAILED(looked) || elements == nullptr || FAILED(elements->get_Length(&count))) {
        ReleaseOf(elements);
        return SUCCEEDED(looked);
    }
    for (int i = 0; i < count; ++i) {
        uia::Element* element = nullptr;
        if (SUCCEEDED(elements->GetElement(i, &element)) && element != nullptr) {
            found.push_back(
                {CachedText(element, uia::kClassName), CachedText(element, uia::kAutomationId), CachedRect(element)});
            element->Release();
        }
    }
    elements->Release();
    return true;
}

// Where UI Automation is missing (Wine has no client object, and no
// rectangles in its flat interface): each bridge's accessibility object,
// whose description lists its elements in one call. The object is kept for
// the next looks, so a look is that one call; one that fails is let go.
void ElementLook::LookThroughAccessibility(HWND bridge, std::vector<LocatedElement>& found)
{
    IAccessible*& object = bridgeObjects_[bridge];
    if (object == nullptr &&
        FAILED(AccessibleObjectFromWindow(bridge, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        object = nullptr;
        return;
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR description = nullptr;
    if (FAILED(object->get_accDescription(self, &description))) {
        ReleaseOf(object);
    } else if (description != nullptr) {
        for (LocatedElement& element : ReadElementList(Narrow(description, SysStringLen(description)))) {
            found.push_back(std::move(element));
        }
    }
    SysFreeString(description);
}

void ElementLook::LookInBridgesOf(HWND parent, std::vector<LocatedElement>& found)
{
    HWND bridge = nullptr;
    while ((bridge = FindWindowExA(parent, bridge, hookapi::kContentBridgeClass, nullptr)) != nullptr) {
        LookThroughAccessibility(bridge, found);
    }
}

// Objects of bridges that are gone are let go.
void ElementLook::ForgetGoneBridges()
{
    for (auto kept = bridgeObjects_.begin(); kept != bridgeObjects_.end();) {
        if (kept->second == nullptr || !IsWindow(kept->first)) {
            ReleaseOf(kept->second);
            kept = bridgeObjects_.erase(kept);
        } else {
            ++kept;
        }
    }
}

std::vector<LocatedElement> ElementLook::At(HWND taskbar)
{
    std::vector<LocatedElement> found;
    if (LookThroughAutomation(taskbar, found)) {
        return found;
    }
    ForgetGoneBridges();
    LookInBridgesOf(taskbar, found);
    HWND notify = FindWindowExA(taskbar, nullptr, hookapi::kNotifyWindowClass, nullptr);
    if (notify != nullptr) {
        LookInBridgesOf(notify, found);
    }
    return found;
}
