#include "ORXRecordingFilterBar.h"

#include "ORXCFormat.h"
#include "ORXLocalizedString.h"
#include "ORXMedia.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include <utility>

namespace {
// "20230105" reads "2023-01-05", as the table's date column.
QString dayText(const QString& day)
{
    return day.left(4) + QLatin1Char('-') + day.mid(4, 2) + QLatin1Char('-') + day.mid(6, 2);
}

QLabel* titleLabel(const QString& text, QComboBox* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    buddy->setToolTip(text);
    return label;
}
} // namespace

ORXRecordingFilterBar::ORXRecordingFilterBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recordingFilterBar"));
    setAccessibleName(ORXLocalizedString("filter.bar"));
    m_kindCombo = new QComboBox(this);
    m_kindCombo->setObjectName(QStringLiteral("filterKindCombo"));
    m_kindCombo->addItem(ORXLocalizedString("filter.all_kinds"), ORXMediaFilter::kAllKinds);
    m_kindCombo->addItem(ORXLocalizedString("media.always"), int(ORXMedia::Always));
    m_kindCombo->addItem(ORXLocalizedString("media.motion"), int(ORXMedia::Motion));
    m_kindCombo->addItem(ORXLocalizedString("media.event"), int(ORXMedia::Event));
    m_dayCombo = new QComboBox(this);
    m_dayCombo->setObjectName(QStringLiteral("filterDayCombo"));
    m_dayCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fillDays({}, QString());
    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(QStringLiteral("filterCountLabel"));
    m_countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QComboBox* combo : {m_kindCombo, m_dayCombo})
        combo->setFocusPolicy(Qt::NoFocus); // arrows and space belong to the player

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(6);
    row->addWidget(titleLabel(ORXLocalizedString("filter.kind"), m_kindCombo, this));
    row->addWidget(m_kindCombo);
    row->addSpacing(4);
    row->addWidget(titleLabel(ORXLocalizedString("filter.day"), m_dayCombo, this));
    row->addWidget(m_dayCombo);
    row->addStretch(1);
    row->addWidget(m_countLabel);

    connect(m_kindCombo, &QComboBox::currentIndexChanged, this, &ORXRecordingFilterBar::emitChange);
    connect(m_dayCombo, &QComboBox::currentIndexChanged, this, &ORXRecordingFilterBar::emitChange);
}

ORXMediaFilter ORXRecordingFilterBar::filter() const
{
    return ORXMediaFilter(m_kindCombo->currentData().toInt(), m_dayCombo->currentData().toString());
}

void ORXRecordingFilterBar::setFilter(const ORXMediaFilter& filter)
{
    const bool filling = std::exchange(m_filling, true);
    m_kindCombo->setCurrentIndex(std::max(0, m_kindCombo->findData(filter.mediaDivision())));
    fillDays(m_days, filter.day());
    m_filling = filling;
}

void ORXRecordingFilterBar::setDays(const QStringList& days)
{
    m_days = days;
    const bool filling = std::exchange(m_filling, true);
    fillDays(days, m_dayCombo->currentData().toString());
    m_filling = filling;
}

void ORXRecordingFilterBar::fillDays(const QStringList& days, const QString& chosen)
{
    m_dayCombo->clear();
    m_dayCombo->addItem(ORXLocalizedString("filter.all_days"), QString());
    QStringList offered = days;
    if (!chosen.isEmpty() && !offered.contains(chosen)) {
        offered.append(chosen);
        offered.sort();
    }
    for (const QString& day : std::as_const(offered))
        m_dayCombo->addItem(dayText(day), day);
    m_dayCombo->setCurrentIndex(std::max(0, m_dayCombo->findData(chosen)));
}

void ORXRecordingFilterBar::setCounts(qsizetype shown, qsizetype total)
{
    m_countLabel->setText(ORXLocalizedString("filter.count")
                              .arg(ORXCFormat("%lld", static_cast<long long>(shown)),
                                   ORXCFormat("%lld", static_cast<long long>(total))));
}

void ORXRecordingFilterBar::emitChange()
{
    if (!m_filling)
        emit filterChanged(filter());
}
