#pragma once

#include <QSize>
#include <QString>

// What an AVI file declares about its pictures in its first 136 bytes: the main header's
// frame size, and the frame rate of the first stream when it is the video stream (its
// rate / scale), else the main header's microseconds per frame. Read once, before libVLC
// opens the file: the size gives the pictures their true aspect (a decoder pads 360 lines
// to 368 or 384) and the rate turns frames into times for frame stepping.
struct ORXAviDeclaredFormat
{
    QSize frameSize;            // invalid when not declared or beyond 8192x8192
    double framesPerSecond = 0; // 0 when not declared or outside 1..1000

    // Nothing declared (both invalid) when the file is no AVI file or cannot be read.
    static ORXAviDeclaredFormat read(const QString& path);
};
