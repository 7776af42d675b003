#pragma once

#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

// Evaluates an expression in the page and waits (up to 10 s) for its value.
inline QVariant evaluate(QWebEnginePage* page, const QString& expression)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(expression, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    for (int i = 0; i < 200 && !done; ++i)
        QTest::qWait(50);
    return result;
}
