#include "TKBezelButton.h"

#include <QPainter>

namespace {
const QColor kTitle(0xd0, 0xd4, 0xda);
const QColor kTitleDisabled(0x6a, 0x70, 0x78);
constexpr int kBezelHeight = 24;
constexpr int kTitlePadding = 12;
} // namespace

TKBezelButton::TKBezelButton(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
}

TKBezelButton::TKBezelButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setFlat(true);
}

TKBezelButton::~TKBezelButton() = default;

const TKImageButtonCell& TKBezelButton::cell()
{
    if (!m_cell || m_cellDpr != devicePixelRatioF()) {
        m_cellDpr = devicePixelRatioF();
        m_cell = std::make_unique<TKImageButtonCell>(m_cellDpr);
    }
    return *m_cell;
}

QSize TKBezelButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return {text.width() + 2 * kTitlePadding, std::max(kBezelHeight, text.height() + 6)};
}

void TKBezelButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF frame(rect());
    const bool stateOn = !isCheckable() || isChecked();
    cell().drawBezelWithFrame(painter, frame, stateOn);
    cell().highlight(painter, frame, isDown());
    painter.setPen(isEnabled() ? kTitle : kTitleDisabled);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
