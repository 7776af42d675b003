#include "ORXTimeSetupController.h"

#include "ORXCardAlert.h"
#include "ORXCardBackground.h"
#include "ORXCardLog.h"
#include "ORXLocalizedString.h"
#include "ui_ORXTimeSetupController.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QKeySequence>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// The file is 19 bytes only while the year has four digits.
const QDate kFirstDate(1, 1, 1);
const QDate kLastDate(9999, 12, 31);
constexpr int kTodayUntickMs = 200;

} // namespace

ORXTimeSetupController::ORXTimeSetupController(QWidget* parent, const QString& playerFolder)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::ORXTimeSetupController>()),
      m_playerFolder(playerFolder)
{
    m_ui->setupUi(this);
    onInitDIalog();
    // Centred on the screen's free area.
    if (const QScreen* s = parent ? parent->screen() : screen())
        move(s->availableGeometry().center() - rect().center());
}

ORXTimeSetupController::~ORXTimeSetupController() = default;

void ORXTimeSetupController::onInitDIalog()
{
    setWindowTitle(ORXLocalizedString("time.title"));
    m_ui->introLabel->setText(ORXLocalizedString("time.intro"));
    m_ui->dateLabel->setText(ORXLocalizedString("time.date"));
    m_ui->timeLabel->setText(ORXLocalizedString("time.time"));
    m_ui->saveButton->setText(ORXLocalizedString("save"));
    m_ui->cancelButton->setText(ORXLocalizedString("cancel"));
    m_ui->saveButton->setToolTip(ORXLocalizedString("time.save_tip"));
    m_ui->cancelButton->setToolTip(ORXLocalizedString("time.cancel_tip"));
    m_ui->nowDaySettingChk->setToolTip(ORXLocalizedString("time.today_tip"));
    m_ui->clockTimePicker->setToolTip(ORXLocalizedString("time.clock_tip"));
    m_ui->datePicker->setAccessibleName(m_ui->dateLabel->text());
    m_ui->timePicker->setAccessibleName(m_ui->timeLabel->text());
    m_ui->clockTimePicker->setAccessibleName(m_ui->timeLabel->text());
    m_ui->datePicker->setDateRange(kFirstDate, kLastDate);
    styleDatePicker();

    const QDateTime now = QDateTime::currentDateTime();
    m_selectedDate = now.date();
    m_selectedTime = QTime(now.time().hour(), now.time().minute(), now.time().second());
    m_ui->datePicker->setSelectedDate(m_selectedDate);
    m_ui->timePicker->setTime(m_selectedTime);
    m_ui->clockTimePicker->setTime(m_selectedTime);
    showSelectedDate();

    connect(m_ui->datePicker, &QCalendarWidget::selectionChanged, this,
            &ORXTimeSetupController::daySelectedFromPicker);
    connect(m_ui->timePicker, &QTimeEdit::timeChanged, this, &ORXTimeSetupController::timeSelectedFromPicker);
    connect(m_ui->clockTimePicker, &ORXClockFace::timeEdited, this,
            &ORXTimeSetupController::timeSelectedFromClickTimePicker);
    connect(m_ui->nowDaySettingChk, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            nowDayChecked();
    });
    connect(m_ui->saveButton, &QPushButton::clicked, this, &ORXTimeSetupController::onSaveConfigFile);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &ORXTimeSetupController::onCloseCmd);
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &ORXTimeSetupController::onCloseCmd);
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &ORXTimeSetupController::onSaveConfigFile);
    auto* today = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(today, &QShortcut::activated, this, [this] {
        m_ui->nowDaySettingChk->setChecked(true);
        nowDayChecked();
    });
    loadSettingFile();
}

// The calendar in the program's dark look: a charcoal head with light text and chevrons,
// muted weekends, the amber accent only for the chosen day.
void ORXTimeSetupController::styleDatePicker()
{
    QCalendarWidget* picker = m_ui->datePicker;
    picker->setStyleSheet(QStringLiteral(
        "QWidget#qt_calendar_navigationbar { background: #2a2e35; border-bottom: 1px solid #3a3f47; }"
        "QCalendarWidget QToolButton { color: #e8eaed; background: transparent; border: none;"
        " font-weight: 600; padding: 2px 6px; }"
        "QCalendarWidget QToolButton:hover { color: #f5a623; }"
        "QCalendarWidget QToolButton::menu-indicator { image: none; width: 0; }"
        "QCalendarWidget QSpinBox { background: #1e2126; color: #e8eaed; }"
        "QCalendarWidget QAbstractItemView:enabled { background: #22262c; color: #d0d4da;"
        " selection-background-color: #f5a623; selection-color: #1e2126; }"
        "QCalendarWidget QAbstractItemView:disabled { color: #5c626b; }"));
    const auto chevron = [](bool left) {
        QPixmap pixmap(QSize(16, 16) * 2);
        pixmap.setDevicePixelRatio(2);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xd0, 0xd4, 0xda), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPolygonF arrow =
            left ? QPolygonF{{10, 3}, {5, 8}, {10, 13}} : QPolygonF{{6, 3}, {11, 8}, {6, 13}};
        p.drawPolyline(arrow);
        return QIcon(pixmap);
    };
    if (auto* previous = picker->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth")))
        previous->setIcon(chevron(true));
    if (auto* next = picker->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth")))
        next->setIcon(chevron(false));
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0x9a, 0xa1, 0xab));
    picker->setWeekdayTextFormat(Qt::Saturday, weekend);
    picker->setWeekdayTextFormat(Qt::Sunday, weekend);
}

void ORXTimeSetupController::showSelectedDate()
{
    const QLocale locale;
    m_ui->dateField->setText(locale.toString(m_selectedDate, QLocale::LongFormat));
    m_ui->nowDaySettingChk->setText(QStringLiteral("%1(%2)").arg(
        ORXLocalizedString("today"), locale.toString(m_selectedDate, QLocale::ShortFormat)));
    m_ui->nowDaySettingChk->setAccessibleName(m_ui->nowDaySettingChk->text());
}

void ORXTimeSetupController::setBusy(bool busy)
{
    m_busy = busy;
    m_ui->saveButton->setEnabled(!busy);
    emit busyChanged(busy);
}

void ORXTimeSetupController::loadSettingFile()
{
    setBusy(true);
    m_ui->targetLabel->setText(ORXLocalizedString("time.looking"));
    const QString folder = m_playerFolder;
    runInBackground<QString>(
        this,
        [folder] {
            ORXTimeSetFile file;
            file.loadSettingFile();
            QString path = file.settingFilePath();
            // No USB card holds one: the card opened as a folder in the player may.
            const QString inFolder =
                folder.isEmpty() ? QString() : QDir(folder).filePath(ORXTimeSetFile::fileName);
            if (path.isEmpty() && !inFolder.isEmpty() && QFileInfo(inFolder).isFile())
                path = inFolder;
            return path;
        },
        [this](const QString& path) { settingFileLoaded(path); });
}

void ORXTimeSetupController::settingFileLoaded(const QString& path)
{
    m_SettingFilePath = path;
    m_ui->targetLabel->setText(
        path.isEmpty() ? ORXLocalizedString("time.target_ask")
                       : ORXLocalizedString("time.target_card").arg(QDir::toNativeSeparators(path)));
    setBusy(false);
}

void ORXTimeSetupController::daySelectedFromPicker()
{
    m_selectedDate = m_ui->datePicker->selectedDate();
    showSelectedDate();
}

void ORXTimeSetupController::timeSelectedFromPicker()
{
    m_selectedTime = m_ui->timePicker->time();
    m_ui->clockTimePicker->setTime(m_selectedTime);
}

void ORXTimeSetupController::timeSelectedFromClickTimePicker()
{
    m_selectedTime = m_ui->clockTimePicker->time();
    const QSignalBlocker block(m_ui->timePicker);
    m_ui->timePicker->setTime(m_selectedTime);
}

void ORXTimeSetupController::nowDayChecked()
{
    m_selectedDate = QDate::currentDate();
    {
        const QSignalBlocker block(m_ui->datePicker);
        m_ui->datePicker->setSelectedDate(m_selectedDate);
    }
    showSelectedDate();
    QTimer::singleShot(kTodayUntickMs, this, [this] { m_ui->nowDaySettingChk->setChecked(false); });
}

void ORXTimeSetupController::onSaveConfigFile()
{
    if (m_busy || m_savePanel)
        return;
    if (m_SettingFilePath.isEmpty())
        openSavePanel();
    else
        doWriteConfigFile(m_SettingFilePath);
}

void ORXTimeSetupController::openSavePanel()
{
    auto* panel = new QFileDialog(this, ORXLocalizedString("time.save_title"));
    m_savePanel = panel;
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setOption(QFileDialog::DontUseNativeDialog);
    panel->setNameFilter(ORXLocalizedString("time.file_type"));
    panel->setDefaultSuffix(QStringLiteral("cfg")); // added when the user types no suffix
    panel->selectFile(QStringLiteral("timeset"));
    connect(panel, &QFileDialog::fileSelected, this, &ORXTimeSetupController::doWriteConfigFile);
    panel->open(); // a cancelled panel ends the save silently
}

void ORXTimeSetupController::doWriteConfigFile(const QString& path)
{
    setBusy(true);
    ORXTimeSetFile file;
    file.setSelectedDate(m_selectedDate);
    file.setSelectedTime(m_selectedTime);
    runInBackground<QString>(
        this, [file, path] { return file.doWriteConfigFile(path); },
        [this, path](const QString& error) { writeFinished(path, error); });
}

void ORXTimeSetupController::writeFinished(const QString& path, const QString& error)
{
    setBusy(false);
    if (!error.isNull()) {
        // The window stays open: the user can pick another place or try again.
        qCInfo(lcCard, "error=%s", qUtf8Printable(error));
        showCardAlert(this, ORXLocalizedString("time.write_failed"),
                      QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), error));
        return;
    }
    showCardAlert(this, QStringLiteral("ORVEX"), ORXLocalizedString("time.filesave"), [this] { close(); });
}

void ORXTimeSetupController::onCloseCmd()
{
    close();
}
