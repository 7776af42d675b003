#include "ORXSettingPage.h"

#include "ORXLocalizedString.h"
#include "ORXSegmentedControl.h"
#include "ORXSettingPageModel.h"
#include "ORXSettingSharedUi.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>

QList<QAbstractButton*> matrixButtons(const QWidget* container)
{
    QList<QAbstractButton*> cells;
    auto* grid = container ? qobject_cast<QGridLayout*>(container->layout()) : nullptr;
    if (!grid || qobject_cast<const QAbstractButton*>(container))
        return cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            QLayoutItem* item = grid->itemAtPosition(row, column);
            if (auto* button = item ? qobject_cast<QAbstractButton*>(item->widget()) : nullptr)
                cells << button;
        }
    }
    return cells;
}

namespace {
void selectCell(const QList<QAbstractButton*>& cells, int index)
{
    for (QAbstractButton* cell : cells)
        cell->setAutoExclusive(false);
    for (int i = 0; i < cells.size(); ++i)
        cells[i]->setChecked(i == index);
    for (QAbstractButton* cell : cells)
        cell->setAutoExclusive(true);
}

bool isControl(const QWidget* w)
{
    return qobject_cast<const ORXSegmentedControl*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QSlider*>(w) ||
           !matrixButtons(w).isEmpty();
}
} // namespace

ORXSettingPage::ORXSettingPage(const ORXSettingPageModel* model, QWidget* parent)
    : QWidget(parent), m_model(model)
{
}

void ORXSettingPage::setupPage()
{
    localizeTexts();
    fillItems();
    nameControls();
    connectControls();
}

void ORXSettingPage::localizeTexts()
{
    auto translated = [](const QString& key) { return key.isEmpty() ? QString() : ORXLocalizedString(key); };
    for (QLabel* label : findChildren<QLabel*>()) {
        if (const QString text = translated(label->text()); !text.isEmpty())
            label->setText(text);
    }
    for (QGroupBox* box : findChildren<QGroupBox*>()) {
        if (const QString text = translated(box->title()); !text.isEmpty())
            box->setTitle(text);
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (const QString text = translated(button->text()); !text.isEmpty())
            button->setText(text);
    }
}

void ORXSettingPage::fillItems()
{
    for (ORXSegmentedControl* control : findChildren<ORXSegmentedControl*>()) {
        const QStringList labels = m_model->items(control->objectName());
        if (!labels.isEmpty())
            setSegmentLabels(control, labels);
    }
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        const QStringList items = m_model->items(combo->objectName());
        if (!items.isEmpty())
            setComboItems(combo, items);
    }
    for (QWidget* container : findChildren<QWidget*>()) {
        const QList<QAbstractButton*> cells = matrixButtons(container);
        const QStringList titles = cells.isEmpty() ? QStringList() : m_model->items(container->objectName());
        for (int i = 0; i < std::min(cells.size(), titles.size()); ++i)
            cells[i]->setText(titles[i]);
    }
}

// Every control is named for screen readers by its label: the label whose buddy it is, its
// own text, or the title of the box it sits in.
void ORXSettingPage::nameControls()
{
    QHash<const QWidget*, QString> buddies;
    for (const QLabel* label : findChildren<QLabel*>()) {
        if (label->buddy())
            buddies.insert(label->buddy(), label->text());
    }
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!isControl(w) || !w->accessibleName().isEmpty())
            continue;
        QString name = buddies.value(w);
        if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && name.isEmpty())
            name = button->text();
        const QGroupBox* box = nullptr;
        for (QWidget* p = w->parentWidget(); p && p != this && !box; p = p->parentWidget())
            box = qobject_cast<const QGroupBox*>(p);
        if (box && !box->title().isEmpty() && !qobject_cast<const QAbstractButton*>(w))
            name = name.isEmpty() ? box->title() : box->title() + QStringLiteral(": ") + name;
        w->setAccessibleName(name);
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && w->toolTip().isEmpty() &&
            qobject_cast<QAbstractButton*>(w))
            w->setToolTip(name);
    }
}

void ORXSettingPage::connectControls()
{
    for (QWidget* w : findChildren<QWidget*>()) {
        const QString outlet = w->objectName();
        if (auto* segmented = qobject_cast<ORXSegmentedControl*>(w)) {
            connect(segmented, &ORXSegmentedControl::segmentSelected, this,
                    [this, outlet] { userChanged(outlet); });
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            connect(combo, &QComboBox::activated, this, [this, outlet] { userChanged(outlet); });
        } else if (auto* slider = qobject_cast<QSlider*>(w)) {
            connect(slider, &QSlider::valueChanged, this, [this, outlet] { userChanged(outlet); });
        } else if (const QList<QAbstractButton*> cells = matrixButtons(w); !cells.isEmpty()) {
            for (QAbstractButton* cell : cells)
                connect(cell, &QAbstractButton::clicked, this, [this, outlet] { userChanged(outlet); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                   button && (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) &&
                   matrixButtons(w->parentWidget()).isEmpty()) {
            connect(button, &QAbstractButton::clicked, this, [this, outlet] { userChanged(outlet); });
        }
    }
}

QWidget* ORXSettingPage::control(const QString& outlet) const
{
    return outlet.isEmpty() ? nullptr : findChild<QWidget*>(outlet);
}

void ORXSettingPage::setFileData(_FILEDATA* fileData)
{
    m_fileData = fileData;
    displayFileData();
}

void ORXSettingPage::displayFileData()
{
    if (!m_fileData)
        return;
    // Labels that follow the record (the video page's frame rates) are set as it is shown.
    for (ORXSegmentedControl* control : findChildren<ORXSegmentedControl*>()) {
        const QStringList labels = m_model->items(control->objectName(), *m_fileData);
        if (!labels.isEmpty() && labels != control->labels())
            setSegmentLabels(control, labels);
    }
    applyState(m_model->display(*m_fileData));
}

bool ORXSettingPage::applyControl(QWidget* w, const ORXControlState& s)
{
    if (auto* segmented = qobject_cast<ORXSegmentedControl*>(w))
        segmented->setSelectedSegment(s.index);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(s.index < combo->count() ? s.index : -1);
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        line->setText(s.text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(s.text);
    else if (auto* slider = qobject_cast<QSlider*>(w))
        slider->setValue(qRound(s.value));
    else if (const QList<QAbstractButton*> cells = matrixButtons(w); !cells.isEmpty())
        selectCell(cells, s.index);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setChecked(s.checked);
    else
        return false;
    return true;
}

bool ORXSettingPage::collectControl(const QWidget* w, ORXControlState& s) const
{
    if (auto* segmented = qobject_cast<const ORXSegmentedControl*>(w)) {
        s.index = segmented->selectedSegment();
    } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        s.index = combo->currentIndex();
    } else if (auto* line = qobject_cast<const QLineEdit*>(w)) {
        s.text = line->text();
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        s.text = label->text();
    } else if (auto* slider = qobject_cast<const QSlider*>(w)) {
        s.value = slider->value();
    } else if (const QList<QAbstractButton*> cells = matrixButtons(w); !cells.isEmpty()) {
        s.index = -1;
        for (int i = 0; i < cells.size(); ++i) {
            if (cells[i]->isChecked())
                s.index = i;
        }
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        s.checked = button->isChecked();
    } else {
        return false;
    }
    return true;
}

void ORXSettingPage::applyState(const ORXPageState& state)
{
    m_applying = true;
    for (const QString& outlet : state.outlets()) {
        QWidget* w = control(outlet);
        if (!w)
            continue;
        const ORXControlState s = state.control(outlet);
        applyControl(w, s);
        w->setEnabled(s.enabled);
    }
    m_applying = false;
    m_state = state;
}

ORXPageState ORXSettingPage::currentState() const
{
    ORXPageState state = m_state;
    for (const QString& outlet : state.outlets()) {
        ORXControlState s = state.control(outlet);
        if (const QWidget* w = control(outlet); w && collectControl(w, s)) {
            s.enabled = w->isEnabled();
            state.setControl(outlet, s);
        }
    }
    return state;
}

void ORXSettingPage::userChanged(const QString& outlet)
{
    if (m_applying || !m_fileData)
        return;
    ORXPageState state = currentState();
    m_model->clicked(outlet, state, *m_fileData);
    m_model->applyRules(state);
    applyState(state);
    emit controlChanged(outlet);
}

QString ORXSettingPage::validateUserInput()
{
    const std::optional<ORXPageIssue> issue = m_model->validate(currentState());
    if (!issue)
        return QString();
    if (QWidget* w = control(issue->outlet)) {
        QPointer<QWidget> target(w);
        QTimer::singleShot(0, w, [target] {
            if (!target)
                return;
            target->setFocus(Qt::OtherFocusReason);
            if (auto* line = qobject_cast<QLineEdit*>(target.data()))
                line->selectAll();
        });
    }
    return issue->message.isNull() ? QStringLiteral("") : issue->message;
}

bool ORXSettingPage::populate()
{
    // Nothing is stored without a record or with a bad input; the page still lets go
    // (the window has asked validateUserInput first).
    if (!m_fileData || !validateUserInput().isNull())
        return true;
    return m_model->store(currentState(), *m_fileData);
}
