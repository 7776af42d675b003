#pragma once

#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QToolButton;

// A row of segments of which at most one is selected: checkable tool buttons in an exclusive
// button group. Nothing selected is possible (-1). The arrow keys move the selection between
// segments, Space or Return choose the focused one; each segment's accessible name and tool
// tip is its label.
class ORXSegmentedControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(
        int selectedSegment READ selectedSegment WRITE setSelectedSegment NOTIFY selectedSegmentChanged)
    Q_PROPERTY(int segmentCount READ segmentCount WRITE setSegmentCount)
    Q_PROPERTY(QStringList labels READ labels WRITE setLabels)

public:
    explicit ORXSegmentedControl(QWidget* parent = nullptr);

    int segmentCount() const;
    void setSegmentCount(int count);
    QString label(int segment) const;
    void setLabel(int segment, const QString& label);
    QStringList labels() const;
    void setLabels(const QStringList& labels);

    int selectedSegment() const { return m_selected; }
    // -1 (or any index without a segment) selects nothing.
    void setSelectedSegment(int segment);

    QToolButton* segmentButton(int segment) const;

signals:
    // The user chose a segment (mouse or keyboard); not sent for setSelectedSegment.
    void segmentSelected(int segment);
    void selectedSegmentChanged(int segment);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void userSelected(int segment);
    void updateSegmentStyle();

    QHBoxLayout* m_layout;
    QButtonGroup* m_group;
    QList<QToolButton*> m_buttons;
    int m_selected = -1;
};
