#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

// A view filled with one colour, or drawing nothing of its own while it has none.
class TKColorBackgroundView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor RESET clearBackgroundColor
                   NOTIFY backgroundColorChanged)

public:
    explicit TKColorBackgroundView(QWidget* parent = nullptr);

    void setBackgroundColor(const QColor& color);
    void clearBackgroundColor();
    // An invalid colour when none is set.
    QColor backgroundColor() const { return m_color.value_or(QColor()); }
    bool hasBackgroundColor() const { return m_color.has_value(); }

signals:
    void backgroundColorChanged(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> m_color;
};
