#include "ORXSegmentedControl.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

namespace {
// The segments' own look, so that they read as one control in the dark theme: charcoal
// segments joined edge to edge, the chosen one amber.
const char kStyle[] = R"(
QToolButton { background: #353a42; color: #d0d4da; border: 1px solid #454b54; border-left: none;
              padding: 3px 8px; min-height: 18px; }
QToolButton[first="true"] { border-left: 1px solid #454b54; border-top-left-radius: 4px;
                            border-bottom-left-radius: 4px; }
QToolButton[last="true"] { border-top-right-radius: 4px; border-bottom-right-radius: 4px; }
QToolButton:hover { background: #3f454e; }
QToolButton:checked { background: #f5a623; color: #1e2126; }
QToolButton:focus { border-color: #f5a623; }
QToolButton:disabled { color: #5c626b; background: #2a2e35; }
QToolButton:checked:disabled { background: #6b5a3a; color: #1e2126; }
)";
} // namespace

ORXSegmentedControl::ORXSegmentedControl(QWidget* parent)
    : QWidget(parent), m_layout(new QHBoxLayout(this)), m_group(new QButtonGroup(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_group->setExclusive(true);
    setStyleSheet(QString::fromLatin1(kStyle));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_group, &QButtonGroup::idClicked, this, &ORXSegmentedControl::userSelected);
}

int ORXSegmentedControl::segmentCount() const
{
    return int(m_buttons.size());
}

void ORXSegmentedControl::setSegmentCount(int count)
{
    count = std::max(0, count);
    while (m_buttons.size() > count) {
        QToolButton* button = m_buttons.takeLast();
        m_group->removeButton(button);
        delete button;
    }
    while (m_buttons.size() < count) {
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->installEventFilter(this);
        m_group->addButton(button, int(m_buttons.size()));
        m_layout->addWidget(button);
        m_buttons << button;
    }
    if (m_selected >= count)
        setSelectedSegment(-1);
    updateSegmentStyle();
}

QString ORXSegmentedControl::label(int segment) const
{
    QToolButton* button = segmentButton(segment);
    return button ? button->text() : QString();
}

void ORXSegmentedControl::setLabel(int segment, const QString& label)
{
    if (QToolButton* button = segmentButton(segment)) {
        button->setText(label);
        button->setToolTip(label);
        button->setAccessibleName(label);
    }
}

QStringList ORXSegmentedControl::labels() const
{
    QStringList list;
    for (const QToolButton* button : m_buttons)
        list << button->text();
    return list;
}

void ORXSegmentedControl::setLabels(const QStringList& labels)
{
    setSegmentCount(int(labels.size()));
    for (int i = 0; i < labels.size(); ++i)
        setLabel(i, labels.at(i));
}

QToolButton* ORXSegmentedControl::segmentButton(int segment) const
{
    return segment >= 0 && segment < m_buttons.size() ? m_buttons.at(segment) : nullptr;
}

void ORXSegmentedControl::setSelectedSegment(int segment)
{
    if (!segmentButton(segment))
        segment = -1;
    if (segment >= 0) {
        m_buttons.at(segment)->setChecked(true);
    } else {
        // An exclusive group keeps one button checked; let go of it for a moment.
        m_group->setExclusive(false);
        for (QToolButton* button : m_buttons)
            button->setChecked(false);
        m_group->setExclusive(true);
    }
    if (segment != m_selected) {
        m_selected = segment;
        emit selectedSegmentChanged(segment);
    }
}

void ORXSegmentedControl::userSelected(int segment)
{
    setSelectedSegment(segment);
    emit segmentSelected(segment);
}

bool ORXSegmentedControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int segment = int(m_buttons.indexOf(static_cast<QToolButton*>(watched)));
    const auto* key = static_cast<QKeyEvent*>(event);
    int next = -1;
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up)
        next = segment - 1;
    else if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down)
        next = segment + 1;
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        next = segment;
    else
        return QWidget::eventFilter(watched, event);
    if (QToolButton* button = segmentButton(next); button && button->isEnabled()) {
        button->setFocus(Qt::TabFocusReason);
        userSelected(next);
    }
    return true;
}

void ORXSegmentedControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void ORXSegmentedControl::updateSegmentStyle()
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setProperty("first", i == 0);
        m_buttons[i]->setProperty("last", i == m_buttons.size() - 1);
        m_buttons[i]->style()->unpolish(m_buttons[i]);
        m_buttons[i]->style()->polish(m_buttons[i]);
    }
}
