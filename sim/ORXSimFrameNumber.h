#pragma once

class QImage;

// The simulator stamps every video frame with its number in a strip of black and white
// blocks along the bottom edge, so that a test can tell which frame a player shows.

// Bits in the strip; frame numbers run from 0 to 2^24 - 1.
constexpr int kORXSimFrameNumberBits = 24;

// Draws the strip for frameNumber into the bottom rows of image (any size, at least
// 48 x 16 pixels).
void ORXSimDrawFrameNumber(QImage& image, int frameNumber);

// Reads the strip back from a decoded frame of any size (scaled, JPEG-compressed).
// Returns -1 when the strip cannot be read.
int ORXSimReadFrameNumber(const QImage& frame);
