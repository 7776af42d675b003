#pragma once

#include <QProxyStyle>

// The players' sliders: a left click on the track puts the handle where the click fell (and
// a drag goes on from there), as people expect of a position or volume slider, instead of
// stepping a page towards it.
class ORXSliderStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
