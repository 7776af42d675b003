#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Small drawn glyphs of the player's text controls and its volume readout, in the theme's
// light grey, crisp at the device pixel ratio.
class ORXControlIcons
{
public:
    // Sound waves the volume glyph shows: 0 when muted or at 0, then 1 to 3 by thirds of
    // the range up to 200.
    static int volumeLevel(int volume, bool muted);
    static QPixmap volume(int volume, bool muted, QSize size, qreal dpr);
    // The speed button's glyph (two arrow heads) and the size button's (a frame with an
    // arrow out of its corner), so that the two "x" numbers are told apart at a glance.
    static QPixmap speed(QSize size, qreal dpr);
    static QPixmap windowSize(QSize size, qreal dpr);
    // A frame with an arrow into its corner (a smaller window) and two opposed arrows (the
    // two pictures change places).
    static QPixmap smallerWindow(QSize size, qreal dpr);
    static QPixmap swap(QSize size, qreal dpr);
    // One frame on or back: a small arrow head against a bar ("▶|" forward, "|◀" back).
    static QPixmap frameStep(bool forward, QSize size, qreal dpr);
    // A button's icon of a glyph: the glyph as it is, and faded while the button is disabled.
    static QIcon buttonIcon(const QPixmap& glyph);
};
