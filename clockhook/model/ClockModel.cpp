#include "clockhook/model/ClockModel.h"

#include "hookapi/ClockDefaults.h"
#include "hookapi/HookApi.h"

#include <algorithm>
#include <cstring>

ClockModel::ClockModel() : settings_(DefaultClockSettings())
{
}

void ClockModel::AddObserver(ClockObserver& observer)
{
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
        observers_.push_back(&observer);
    }
}

void ClockModel::RemoveObserver(ClockObserver& observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void ClockModel::Tell(ClockChange change)
{
    // By index: an observer whose window goes away meanwhile leaves the list.
    for (std::size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->OnClockChanged(change);
    }
}

bool ClockModel::AcceptRecord(std::uint64_t dataId, const void* data, std::size_t size)
{
    if (dataId != hookapi::kSettingsCopyDataId || size != kClockSettingsSize || data == nullptr) {
        return false;
    }
    std::memcpy(&settings_, data, kClockSettingsSize);
    TerminateFormatStrings(settings_);
    Tell(ClockChange::Settings);
    return true;
}

bool ClockModel::PokeElement(std::string_view name, const void* data, std::size_t size)
{
    SetResult result = elements_.Set(name, PokedText(data, size));
    if (result == SetResult::Changed) {
        Tell(ClockChange::Elements);
    }
    return result != SetResult::Refused;
}

void ClockModel::Tick(const ResourceReadings& readings)
{
    readings_ = readings;
    Tell(ClockChange::Tick);
}

void ClockModel::Reset()
{
    settings_ = DefaultClockSettings();
    elements_ = ElementTable();
    localeTexts_ = LocaleTexts();
    haveLocaleTexts_ = false;
    readings_ = ResourceReadings();
}

RenderContext ClockModel::Context() const
{
    RenderContext context;
    context.locale = haveLocaleTexts_ ? &localeTexts_ : nullptr;
    context.elements = [this](std::string_view name) { return elements_.Find(name); };
    context.resources = readings_;
    context.firstDay = settings_.firstDay;
    return context;
}

std::string ClockModel::Render(std::string_view format, const ClockMoment& moment, std::string_view separator) const
{
    return JoinLines(RenderClockFormat(format, moment, Context()), separator);
}

void ClockModel::RenderLines(std::string_view format, const ClockMoment& moment, std::vector<RenderedLine>& lines) const
{
    RenderClockFormat(format, moment, Context(), lines);
}
