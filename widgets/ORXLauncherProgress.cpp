#include "ORXLauncherProgress.h"

#include "ORXWidgetsLog.h"

#include <QDBusMessage>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

ORXLauncherProgress::ORXLauncherProgress()
    : m_connection(QDBusConnection::sessionBus())
{
}

ORXLauncherProgress::ORXLauncherProgress(const QDBusConnection& connection)
    : m_connection(connection)
{
}

void ORXLauncherProgress::update(double progress, bool visible)
{
    progress = std::isfinite(progress) ? std::clamp(progress, 0.0, 1.0) : 0.0;
    // Launchers draw whole pixels; a change below a thousandth is not worth a message.
    if (m_haveLast && m_lastVisible == visible && std::abs(m_lastProgress - progress) < 0.001)
        return;
    if (!m_connection.isConnected()) {
        if (!m_warned)
            qCDebug(lcWidgets) << "no session bus; launcher progress not sent";
        m_warned = true;
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(kObjectPath), QLatin1String(kInterface),
                                                     QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), progress);
    properties.insert(QStringLiteral("progress-visible"), visible);
    signal << QString::fromLatin1(kAppUri) << properties;
    if (!m_connection.send(signal)) {
        qCDebug(lcWidgets) << "launcher progress not sent:" << m_connection.lastError().message();
        return;
    }
    m_haveLast = true;
    m_lastProgress = progress;
    m_lastVisible = visible;
    ++m_sent;
}
