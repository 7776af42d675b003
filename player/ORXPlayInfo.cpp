#include "ORXPlayInfo.h"

void ORXPlayInfo::setIsPlaying(bool value)
{
    m_isPlaying = value;
    emit isPlayingChanged(value);
}

void ORXPlayInfo::setPosition(double value)
{
    m_position = value;
    emit positionChanged(value);
}

void ORXPlayInfo::setSpeed(double value)
{
    m_speed = value;
    emit speedChanged(value);
}

void ORXPlayInfo::setScale(double value)
{
    m_scale = value;
    emit scaleChanged(value);
}

void ORXPlayInfo::setAudioMediaDirection(int value)
{
    m_audioMediaDirection = value;
    emit audioMediaDirectionChanged(value);
}
