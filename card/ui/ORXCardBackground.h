#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent>

// Runs work on the shared pool and hands its result to done on the GUI thread, as long as
// the receiver lives (the card windows never wait on D-Bus or the card themselves).
template <typename T, typename Work, typename Done>
void runInBackground(QObject* receiver, Work work, Done done)
{
    auto* watcher = new QFutureWatcher<T>(receiver);
    QObject::connect(watcher, &QFutureWatcher<T>::finished, receiver, [watcher, done] {
        done(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(work));
}
