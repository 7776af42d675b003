#include "ORXScreenshotScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
bool named(const QWidget* widget, const QString& name)
{
    if (widget->objectName() == name || widget->accessibleName() == name)
        return true;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button && button->text() == name;
}

// A press and a release in the middle of the widget, for controls that act on the mouse
// rather than on a click signal (the player's side-view images).
void pressAndRelease(QWidget* widget)
{
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

bool selectTab(QWidget* window, const QString& name)
{
    for (QTabBar* bar : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->isVisible() &&
                (bar->tabText(i).remove(QLatin1Char('&')) == name || bar->tabToolTip(i) == name)) {
                bar->setCurrentIndex(i);
                return true;
            }
        }
    }
    return false;
}
} // namespace

ORXScreenshotScript::ORXScreenshotScript(const Steps& steps, QObject* parent)
    : QObject(parent), m_steps(steps)
{
    qApp->installEventFilter(this);
}

void ORXScreenshotScript::start()
{
    QTimer::singleShot(m_steps.startDelayMs, this, [this] { runStep(0); });
}

bool ORXScreenshotScript::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() &&
            !(widget->windowType() == Qt::ToolTip || widget->windowType() == Qt::Popup)) {
            m_shown.removeAll(widget);
            m_shown.append(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ORXScreenshotScript::click(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (selectTab(window, name))
            return true;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !named(widget, name))
                continue;
            // Queued, so that a window that runs its own event loop does not stop the steps.
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
            else
                pressAndRelease(widget);
            return true;
        }
    }
    return false;
}

QWidget* ORXScreenshotScript::findWindow(const QString& name) const
{
    if (name.isEmpty()) {
        for (auto it = m_shown.crbegin(); it != m_shown.crend(); ++it) {
            if (*it && (*it)->isVisible())
                return *it;
        }
        return nullptr;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && (window->objectName() == name || window->windowTitle().contains(name) ||
                                    QLatin1String(window->metaObject()->className()) == name))
            return window;
    }
    return nullptr;
}

void ORXScreenshotScript::runStep(int index, int tries)
{
    if (index >= m_steps.clicks.size()) {
        save();
        return;
    }
    // A window that reads the card first shows its controls late: ask again for a while.
    const QString& name = m_steps.clicks.at(index);
    if (!click(name)) {
        if (tries < kMaxTries) {
            QTimer::singleShot(kRetryMs, this, [this, index, tries] { runStep(index, tries + 1); });
            return;
        }
        std::fprintf(stderr, "orvex-screenshot: no visible control or tab named \"%s\"\n", qPrintable(name));
        emit finished(false);
        return;
    }
    QTimer::singleShot(m_steps.stepDelayMs, this, [this, index] { runStep(index + 1); });
}

void ORXScreenshotScript::save()
{
    QWidget* window = findWindow(m_steps.window);
    if (!window) {
        std::fprintf(stderr, "orvex-screenshot: no visible window \"%s\"\n", qPrintable(m_steps.window));
        emit finished(false);
        return;
    }
    const QString path = QFileInfo(m_steps.output).absoluteFilePath();
    const bool ok = window->grab().save(path, "PNG");
    if (ok)
        std::printf("%s\n", qPrintable(path));
    else
        std::fprintf(stderr, "orvex-screenshot: cannot save %s\n", qPrintable(path));
    std::fflush(stdout);
    emit finished(ok);
}
