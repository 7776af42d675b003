#pragma once

#include "ORXControlState.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Every control of one settings page by outlet name, in the order the page model adds
// them. The builders set the value (and kind) and keep the enabled state; reading an
// outlet that is not there gives a default state (a Choice with no selection).
class ORXPageState
{
public:
    ORXPageState& choice(const QString& outlet, int index);
    ORXPageState& check(const QString& outlet, bool checked);
    ORXPageState& text(const QString& outlet, const QString& text);
    ORXPageState& number(const QString& outlet, double value);
    ORXPageState& range(const QString& outlet, double low, double high);
    ORXPageState& setEnabled(const QString& outlet, bool enabled);

    bool contains(const QString& outlet) const { return m_controls.contains(outlet); }
    QStringList outlets() const { return m_order; }
    ORXControlState control(const QString& outlet) const { return m_controls.value(outlet); }
    // Replaces (or adds) the whole state of one outlet.
    void setControl(const QString& outlet, const ORXControlState& state);

    int index(const QString& outlet) const { return control(outlet).index; }
    bool isChecked(const QString& outlet) const { return control(outlet).checked; }
    QString textOf(const QString& outlet) const { return control(outlet).text; }
    double value(const QString& outlet) const { return control(outlet).value; }
    bool isEnabled(const QString& outlet) const { return control(outlet).enabled; }

    // What `orvex-cli config describe` prints for the page: each outlet keyed by its name
    // (a choice its index, a check true/false, a text its text, a number its value, a range
    // [low, high]) and "disabled", the sorted outlets shown disabled.
    QJsonObject toJson() const;

    bool operator==(const ORXPageState& other) const
    {
        return m_order == other.m_order && m_controls == other.m_controls;
    }

private:
    ORXControlState& entry(const QString& outlet, ORXControlState::Kind kind);

    QStringList m_order;
    QHash<QString, ORXControlState> m_controls;
};
