#include "ORXSimFrameNumber.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

// The strip along the bottom edge: 32 equal blocks across the full width, each black (0)
// or white (1): a white and a black marker block, the frame number in 24 bits (most
// significant first), then 6 check bits (the four 6-bit groups of the number XORed and
// inverted). The strip is 16 rows high at 360 lines and scales with the frame height, so
// it is found again in a frame of any size.
namespace {
constexpr int kBlocks = 32;
constexpr int kCheckBits = 6;
constexpr double kStripFraction = 16.0 / 360.0;

quint32 checkBits(quint32 number)
{
    quint32 folded = 0;
    for (int shift = 0; shift < kORXSimFrameNumberBits; shift += kCheckBits)
        folded ^= (number >> shift) & 0x3F;
    return ~folded & 0x3F;
}

// The 32 block values, first block first.
quint32 blockBits(quint32 number)
{
    return (1u << 31) | (number << kCheckBits) | checkBits(number);
}

int stripHeight(int imageHeight)
{
    return std::max(8, int(std::lround(imageHeight * kStripFraction)));
}

// Mean brightness of a rectangle, sampled on a small grid.
int meanGray(const QImage& image, int x0, int x1, int y0, int y1)
{
    long long sum = 0;
    int count = 0;
    const int stepX = std::max(1, (x1 - x0) / 4);
    const int stepY = std::max(1, (y1 - y0) / 3);
    for (int y = y0; y <= y1; y += stepY) {
        for (int x = x0; x <= x1; x += stepX) {
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return count ? int(sum / count) : -1;
}
} // namespace

void ORXSimDrawFrameNumber(QImage& image, int frameNumber)
{
    if (image.width() < kBlocks || image.height() < 16)
        return;
    const quint32 bits = blockBits(quint32(frameNumber) & ((1u << kORXSimFrameNumberBits) - 1));
    const int height = stripHeight(image.height());
    const int top = image.height() - height;
    QPainter painter(&image);
    for (int block = 0; block < kBlocks; ++block) {
        const int x0 = block * image.width() / kBlocks;
        const int x1 = (block + 1) * image.width() / kBlocks;
        const bool white = bits & (1u << (kBlocks - 1 - block));
        painter.fillRect(x0, top, x1 - x0, height, white ? Qt::white : Qt::black);
    }
}

int ORXSimReadFrameNumber(const QImage& frame)
{
    if (frame.isNull() || frame.width() < kBlocks || frame.height() < 16)
        return -1;
    const int w = frame.width();
    const int h = frame.height();
    // Sample the middle half of the strip's rows and of each block's columns, away from
    // edges blurred by compression or scaling.
    const double strip = h * kStripFraction;
    const int y0 = std::clamp(int(h - strip * 0.75), 0, h - 1);
    const int y1 = std::clamp(int(h - strip * 0.25), y0, h - 1);
    quint32 bits = 0;
    for (int block = 0; block < kBlocks; ++block) {
        const double left = double(block) * w / kBlocks;
        const double blockWidth = double(w) / kBlocks;
        const int x0 = int(left + blockWidth * 0.3);
        const int x1 = std::max(x0, int(left + blockWidth * 0.7));
        const int gray = meanGray(frame, x0, std::min(x1, w - 1), y0, y1);
        if (gray < 0 || (gray > 96 && gray < 160))
            return -1;
        bits = (bits << 1) | (gray >= 160 ? 1u : 0u);
    }
    if ((bits >> 30) != 0x2)
        return -1;
    const quint32 number = (bits >> kCheckBits) & ((1u << kORXSimFrameNumberBits) - 1);
    if ((bits & 0x3F) != checkBits(number))
        return -1;
    return int(number);
}
