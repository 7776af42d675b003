// Feeds arbitrary bytes as a "config.bin" record (the first 428 bytes, zero-padded) to every
// settings page, then uses the rest of the input as a user's edits. A record off a card can
// hold any value in any field: no page may crash on it, show a selection its control does not
// have, or store a record that a second pass through the same page would change again.
#include "ORXSettingPageModels.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

bool sameRecord(const _FILEDATA& a, const _FILEDATA& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every choice shows an item its control has, or nothing.
void checkChoices(const ORXSettingPageModel& page, const ORXPageState& state, const _FILEDATA& record)
{
    for (const QString& outlet : state.outlets()) {
        const ORXControlState control = state.control(outlet);
        if (control.kind != ORXControlState::Choice || control.index < 0)
            continue;
        const QStringList items = page.items(outlet, record);
        if (!items.isEmpty() && control.index >= items.size())
            __builtin_trap();
    }
}

// One edit a user could make: byte 0 picks the outlet, byte 1 the value (a choice among the
// control's items, or none).
void edit(const ORXSettingPageModel& page, const _FILEDATA& record, ORXPageState& state, uint8_t which,
          uint8_t value)
{
    const QStringList outlets = state.outlets();
    if (outlets.isEmpty())
        return;
    const QString outlet = outlets.at(which % outlets.size());
    ORXControlState control = state.control(outlet);
    switch (control.kind) {
    case ORXControlState::Choice:
        control.index = int(value % (page.items(outlet, record).size() + 1)) - 1;
        break;
    case ORXControlState::Check:
        control.checked = value & 1;
        break;
    case ORXControlState::Text:
        control.text = value & 1 ? control.text + QChar(0x20 + value / 2) : control.text.left(value % 20);
        break;
    case ORXControlState::Number:
        control.value = double(value) - 28;
        break;
    case ORXControlState::Range:
        control.low = double(value % 16);
        control.high = double(value / 16);
        break;
    }
    state.setControl(outlet, control);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    _FILEDATA record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, data, std::min(size, sizeof record));
    const uint8_t* edits = size > sizeof record ? data + sizeof record : nullptr;
    const size_t editCount = edits ? (size - sizeof record) / 2 : 0;

    for (const ORXSettingPageModel* page : ORXSettingPageModels::all()) {
        const ORXPageState shown = page->display(record);
        checkChoices(*page, shown, record);
        if (!page->validate(shown)) {
            // What the page shows for a record it stored is what it stores again.
            _FILEDATA once = record;
            page->store(shown, once);
            _FILEDATA twice = once;
            page->store(page->display(once), twice);
            if (!sameRecord(once, twice))
                __builtin_trap();
        }
        ORXPageState state = shown;
        _FILEDATA edited = record;
        for (size_t i = 0; i < editCount; ++i) {
            edit(*page, edited, state, edits[2 * i], edits[2 * i + 1]);
            page->applyRules(state);
            if (edits[2 * i] & 0x80)
                page->clicked(state.outlets().value(edits[2 * i + 1] % qMax(1, int(state.outlets().size()))), state,
                              edited);
        }
        if (!page->validate(state))
            page->store(state, edited);
        checkChoices(*page, page->display(edited), edited);
    }
    return 0;
}
