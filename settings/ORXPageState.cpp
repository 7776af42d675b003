#include "ORXPageState.h"

#include <QJsonArray>

ORXControlState& ORXPageState::entry(const QString& outlet, ORXControlState::Kind kind)
{
    if (!m_controls.contains(outlet))
        m_order << outlet;
    ORXControlState& state = m_controls[outlet];
    state.kind = kind;
    return state;
}

ORXPageState& ORXPageState::choice(const QString& outlet, int index)
{
    entry(outlet, ORXControlState::Choice).index = index < 0 ? -1 : index;
    return *this;
}

ORXPageState& ORXPageState::check(const QString& outlet, bool checked)
{
    entry(outlet, ORXControlState::Check).checked = checked;
    return *this;
}

ORXPageState& ORXPageState::text(const QString& outlet, const QString& text)
{
    entry(outlet, ORXControlState::Text).text = text;
    return *this;
}

ORXPageState& ORXPageState::number(const QString& outlet, double value)
{
    entry(outlet, ORXControlState::Number).value = value;
    return *this;
}

ORXPageState& ORXPageState::range(const QString& outlet, double low, double high)
{
    ORXControlState& state = entry(outlet, ORXControlState::Range);
    state.low = low;
    state.high = high;
    return *this;
}

ORXPageState& ORXPageState::setEnabled(const QString& outlet, bool enabled)
{
    if (m_controls.contains(outlet))
        m_controls[outlet].enabled = enabled;
    return *this;
}

void ORXPageState::setControl(const QString& outlet, const ORXControlState& state)
{
    if (!m_controls.contains(outlet))
        m_order << outlet;
    m_controls[outlet] = state;
}

static QJsonValue jsonOf(const ORXControlState& state)
{
    switch (state.kind) {
    case ORXControlState::Choice:
        return state.index;
    case ORXControlState::Check:
        return state.checked;
    case ORXControlState::Text:
        return state.text;
    case ORXControlState::Number:
        return state.value;
    case ORXControlState::Range:
        return QJsonArray{state.low, state.high};
    }
    return QJsonValue();
}

QJsonObject ORXPageState::toJson() const
{
    QJsonObject object;
    QStringList disabled;
    for (const QString& outlet : m_order) {
        const ORXControlState& state = m_controls[outlet];
        object.insert(outlet, jsonOf(state));
        if (!state.enabled)
            disabled << outlet;
    }
    disabled.sort();
    object.insert(QStringLiteral("disabled"), QJsonArray::fromStringList(disabled));
    return object;
}
