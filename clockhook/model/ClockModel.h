// What the clock shows and knows, without a window: the settings record, the
// user elements, the locale's texts and the resource readings, and a format
// rendered from them. The windows that show it (its surfaces) watch it.
#pragma once

#include "clockformat/ClockFormat.h"
#include "clockhook/model/ElementTable.h"
#include "hookapi/ClockSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class ClockChange {
    Settings, // a new record: looks, texts and sizes may all differ
    Elements, // a user element changed its value
    Tick,     // a second passed, with new readings
};

// A window showing the model; told of every change, in the order it came.
class ClockObserver {
public:
    virtual void OnClockChanged(ClockChange change) = 0;

protected:
    ~ClockObserver() = default;
};

class ClockModel {
public:
    ClockModel();
    ClockModel(const ClockModel&) = delete;
    ClockModel& operator=(const ClockModel&) = delete;

    // Observers are told in the order they were added.
    void AddObserver(ClockObserver& observer);
    void RemoveObserver(ClockObserver& observer);

    // A settings record as WM_COPYDATA carries it: taken only when dataId is
    // 0 and the data is exactly one 536-byte record, with every text field
    // cut to end inside its field. Anything else is not read. Returns
    // whether it was taken.
    bool AcceptRecord(std::uint64_t dataId, const void* data, std::size_t size);

    // A poke of an element's value (up to its first NUL); false when a bound
    // refuses it.
    bool PokeElement(std::string_view name, const void* data, std::size_t size);
    // The value, or nullptr for an element never set.
    const char* FindElement(std::string_view name) const { return elements_.Find(name); }

    // The locale's texts, read from the system; until then US English.
    void SetLocaleTexts(const LocaleTexts& texts)
    {
        localeTexts_ = texts;
        haveLocaleTexts_ = true;
    }
    // A second passed: the readings of this second.
    void Tick(const ResourceReadings& readings);

    // Back to an empty registry's settings, no elements and unknown
    // readings, as the clock starts; observers are kept.
    void Reset();

    const ClockSettings& Settings() const { return settings_; }
    const ResourceReadings& Readings() const { return readings_; }
    // The locale's texts the model renders with.
    const LocaleTexts& Locale() const { return haveLocaleTexts_ ? localeTexts_ : DefaultLocaleTexts(); }

    // The format rendered for the moment, its lines joined by the separator.
    std::string Render(std::string_view format, const ClockMoment& moment, std::string_view separator) const;
    // The same into reused lines, as the clock renders itself every second.
    void RenderLines(std::string_view format, const ClockMoment& moment, std::vector<RenderedLine>& lines) const;

private:
    void Tell(ClockChange change);
    RenderContext Context() const;

    ClockSettings settings_;
    ElementTable elements_;
    LocaleTexts localeTexts_;
    bool haveLocaleTexts_ = false;
    ResourceReadings readings_;
    std::vector<ClockObserver*> observers_;
};
