#pragma once

#include "ORXConfigRecord.h"
#include "ORXPageState.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The first bad input of a page: its outlet and the localised, already formatted message.
struct ORXPageIssue
{
    QString outlet;
    QString message;
};

// One settings page without its widgets: how the record shows in the page's controls
// (through the page's value tables, with their fallbacks, then the enabling rules), how the
// controls are checked and stored back, and the labels of its choices. The page widgets
// (settings/ui) and `orvex-cli config describe` both go through it.
class ORXSettingPageModel
{
public:
    virtual ~ORXSettingPageModel() = default;

    // "video", "basic", "gps", "motion", "aux", "audio", "obd".
    virtual QString name() const = 0;
    // The controls right after the page's tab is opened on this record.
    virtual ORXPageState display(const _FILEDATA& record) const = 0;
    // The enabling rules (and any control that follows another) after the user changed a
    // control.
    virtual void applyRules(ORXPageState& state) const { Q_UNUSED(state) }
    // The first bad input, or nothing when the page may be left.
    virtual std::optional<ORXPageIssue> validate(const ORXPageState& state) const
    {
        Q_UNUSED(state)
        return std::nullopt;
    }
    // Stores the controls into the record. A choice with nothing selected leaves its field
    // as it was. False only where the page refuses to be left after storing what it could.
    virtual bool store(const ORXPageState& state, _FILEDATA& record) const = 0;
    // The localised labels of a segmented control, combo box or button matrix, in order.
    virtual QStringList items(const QString& outlet) const
    {
        Q_UNUSED(outlet)
        return {};
    }
    // The same for labels that follow the record (the video page's frame rates).
    virtual QStringList items(const QString& outlet, const _FILEDATA& record) const
    {
        Q_UNUSED(record)
        return items(outlet);
    }
    // A click that stores into the record at once (the state already shows the click).
    virtual void clicked(const QString& outlet, ORXPageState& state, _FILEDATA& record) const
    {
        Q_UNUSED(outlet)
        Q_UNUSED(state)
        Q_UNUSED(record)
    }

protected:
    // Index of value in a value table, or the fallback (-1: no selection).
    template <typename T> static int indexOf(std::span<const T> table, qint64 value, int fallback = -1)
    {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (static_cast<qint64>(table[i]) == value)
                return static_cast<int>(i);
        }
        return fallback;
    }
    // The index itself when it has an item (0 <= value < count), else the fallback.
    static int indexIn(qint64 value, int count, int fallback = -1)
    {
        return value >= 0 && value < count ? static_cast<int>(value) : fallback;
    }
    // The chosen index to store into a field that holds the index; nothing chosen keeps the
    // field's current value. (The record is packed: fields are passed by value.)
    static quint32 chosenIndex(const ORXPageState& state, const QString& outlet, quint32 current)
    {
        const int index = state.index(outlet);
        return index >= 0 ? static_cast<quint32>(index) : current;
    }
    // The table entry at the chosen index; nothing chosen keeps the current value.
    template <typename T>
    static qint64 chosenValue(const ORXPageState& state, const QString& outlet, std::span<const T> table,
                              qint64 current)
    {
        const int index = state.index(outlet);
        if (index >= 0 && static_cast<std::size_t>(index) < table.size())
            return static_cast<qint64>(table[static_cast<std::size_t>(index)]);
        return current;
    }
};
