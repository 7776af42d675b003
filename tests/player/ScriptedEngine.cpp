#include "ScriptedEngine.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

void ScriptedEngine::setMedia(std::shared_ptr<VLCMedia> media)
{
    calls << QStringLiteral("setMedia");
    m_media = std::move(media);
    if (m_media && m_media->length().intValue() == 0)
        m_media->setLength(VLCTime::timeWithInt(mediaLengthMs));
    playing = false;
    currentState = 0;
    currentPosition = 0;
    timeMs = 0;
}

void ScriptedEngine::play()
{
    calls << QStringLiteral("play");
    if (!m_media)
        return;
    playing = true;
    currentState = kStatePlaying;
}

void ScriptedEngine::pause()
{
    calls << QStringLiteral("pause");
    if (!m_media)
        return;
    playing = false;
    currentState = kStatePaused;
}

void ScriptedEngine::stop()
{
    calls << QStringLiteral("stop");
    playing = false;
    currentState = kStateStopped;
    currentPosition = 0;
    timeMs = 0;
}

void ScriptedEngine::setPosition(float position)
{
    calls << QStringLiteral("setPosition");
    if (!m_media)
        return;
    currentPosition = std::clamp(position, 0.f, 1.f);
    timeMs = qint64(double(currentPosition) * double(length()));
}

void ScriptedEngine::playTo(qint64 milliseconds)
{
    timeMs = std::clamp<qint64>(milliseconds, 0, std::max<qint64>(0, length()));
    currentPosition = length() > 0 ? float(double(timeMs) / double(length())) : 0.f;
}

void ScriptedEngine::reachEnd()
{
    playing = false;
    currentState = kStatePaused;
    timeMs = length();
    currentPosition = 1.f;
}

void ScriptedEngine::fail()
{
    playing = false;
    currentState = kStateError;
}

QString ScriptedEngine::fileName() const
{
    return m_media ? QFileInfo(m_media->url().toLocalFile()).fileName() : QString();
}

void ScriptedEngine::nextFrame()
{
    calls << QStringLiteral("nextFrame");
    if (!m_media || playing || fps <= 0)
        return;
    // To the next frame's start in whole milliseconds, as a player showing it would report.
    const qint64 frame = qint64(double(timeMs + 1) * fps / 1000.0) + 1;
    playTo(qint64(std::floor(double(frame) * 1000.0 / fps + 1e-6)));
    currentState = kStatePaused;
}
