#pragma once

#include "TKImageButtonCell.h"

#include <QPushButton>

#include <memory>

// A push button drawn with the three-part bezel of TKImageButtonCell and its title centred
// on it in light text. Checkable buttons show the plain bezel while checked; a plain
// push button counts as "on".
class TKBezelButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TKBezelButton(QWidget* parent = nullptr);
    explicit TKBezelButton(const QString& text, QWidget* parent = nullptr);
    ~TKBezelButton() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TKImageButtonCell& cell();

    std::unique_ptr<TKImageButtonCell> m_cell;
    qreal m_cellDpr = 0;
};
