#pragma once

#include <QDBusConnection>
#include <QString>

// Progress on the desktop's launcher entry for the program (docks and task bars that follow
// the "com.canonical.Unity.LauncherEntry" protocol: KDE Plasma, Dash to Dock, Unity, ...).
// The "Update" signal is a broadcast: with no one listening, or no session bus at all, it
// goes nowhere and nothing else happens.
class ORXLauncherProgress
{
public:
    static constexpr const char* kInterface = "com.canonical.Unity.LauncherEntry";
    static constexpr const char* kObjectPath = "/org/orvex/launcher";
    static constexpr const char* kAppUri = "application://orvex.desktop";

    // Uses the session bus.
    ORXLauncherProgress();
    explicit ORXLauncherProgress(const QDBusConnection& connection);

    // progress is clamped to 0..1. Repeating the last state sends nothing.
    void update(double progress, bool visible);
    // Number of signals sent so far.
    int sentCount() const { return m_sent; }

private:
    QDBusConnection m_connection;
    bool m_haveLast = false;
    double m_lastProgress = 0;
    bool m_lastVisible = false;
    bool m_warned = false;
    int m_sent = 0;
};
