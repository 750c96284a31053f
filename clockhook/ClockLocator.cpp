#include "clockhook/ClockLocator.h"

#include "clockhook/ElementLook.h"
#include "win32/ModuleOf.h"
#include "win32/Win32Handles.h"

#include <map>
#include <memory>
#include <mutex>

// Shared by the component and the worker, which may outlive the component.
struct LocatorChannel {
    std::mutex mutex;
    UniqueHandle wake{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
    std::vector<HWND> asked; // taskbars to look at next
    bool stopping = false;
    HWND notify = nullptr;
    UINT message = 0;
    std::map<HWND, std::vector<LocatedElement>> answers;
};

// A clock outside its taskbar is an answer from before the taskbar moved.
static bool HoldsClock(const std::vector<LocatedElement>& elements, HWND taskbar)
{
    RECT bar = {};
    GetWindowRect(taskbar, &bar);
    for (const LocatedElement& element : elements) {
        const Box& clock = element.rect;
        if (element.className == kClockContentClass && clock.right > clock.left && clock.bottom > clock.top &&
            clock.left >= bar.left && clock.top >= bar.top && clock.right <= bar.right && clock.bottom <= bar.bottom) {
            return true;
        }
    }
    return false;
}

static bool SameElements(const std::vector<LocatedElement>& a, const std::vector<LocatedElement>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const Box &x = a[i].rect, &y = b[i].rect;
        if (a[i].className != b[i].className || a[i].automationId != b[i].automationId || x.left != y.left ||
            x.top != y.top || x.right != y.right || x.bottom != y.bottom) {
            return false;
        }
    }
    return true;
}

// One round of looks; false once the component asked the worker to leave.
static bool LookOnce(LocatorChannel& channel, ElementLook& look)
{
    std::vector<HWND> taskbars;
    {
        std::lock_guard<std::mutex> lock(channel.mutex);
        if (channel.stopping) {
            return false;
        }
        taskbars.swap(channel.asked);
    }
    for (HWND taskbar : taskbars) {
        std::vector<LocatedElement> found = look.At(taskbar);
        std::lock_guard<std::mutex> lock(channel.mutex);
        if (channel.stopping) {
            return false;
        }
        std::vector<LocatedElement>& answer = channel.answers[taskbar];
        if (HoldsClock(found, taskbar) && !SameElements(found, answer)) {
            answer.swap(found);
            PostMessageA(channel.notify, channel.message, 0, 0);
        }
    }
    return true;
}

struct WorkerStart {
    std::shared_ptr<LocatorChannel> channel;
    HMODULE library;
};

static DWORD WINAPI LocatorThread(LPVOID parameter)
{
    WorkerStart* start = static_cast<WorkerStart*>(parameter);
    const HMODULE library = start->library;
    if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
        {
            ElementLook look;
            while (WaitForSingleObject(start->channel->wake.Get(), INFINITE) == WAIT_OBJECT_0 &&
                   LookOnce(*start->channel, look)) {
            }
        }
        CoUninitialize();
    }
    delete start;
    FreeLibraryAndExitThread(library, 0);
}

bool ClockLocator::Start(HWND notify, UINT message)
{
    auto channel = std::make_shared<LocatorChannel>();
    channel->notify = notify;
    channel->message = message;
    UniqueLibrary library(TakeModuleReference());
    if (!channel->wake || !library) {
        return false;
    }
    auto start = std::make_unique<WorkerStart>(WorkerStart{channel, library.Get()});
    UniqueHandle thread(CreateThread(nullptr, 0, LocatorThread, start.get(), 0, nullptr));
    if (!thread) {
        return false;
    }
    // Both are the thread's now.
    start.release();
    library.Release();
    channel_ = std::move(channel);
    return true;
}

void ClockLocator::Stop()
{
    if (!channel_) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(channel_->mutex);
        channel_->stopping = true;
    }
    SetEvent(channel_->wake.Get());
    channel_.reset();
}

void ClockLocator::Look(const std::vector<HWND>& taskbars)
{
    if (!channel_) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(channel_->mutex);
        for (HWND taskbar : taskbars) {
            bool known = false;
            for (HWND asked : channel_->asked) {
                known = known || asked == taskbar;
            }
            if (!known) {
                channel_->asked.push_back(taskbar);
            }
        }
    }
    SetEvent(channel_->wake.Get());
}

std::vector<LocatedElement> ClockLocator::AnswerFor(HWND taskbar) const
{
    if (!channel_) {
        return {};
    }
    std::lock_guard<std::mutex> lock(channel_->mutex);
    auto answer = channel_->answers.find(taskbar);
    if (answer == channel_->answers.end() || !HoldsClock(answer->second, taskbar)) {
        return {};
    }
    return answer->second;
}
