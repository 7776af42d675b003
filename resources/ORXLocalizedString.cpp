#include "ORXLocalizedString.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTranslator>

namespace {
QMutex tableMutex;
QTranslator* installedTable = nullptr;
} // namespace

bool ORXInstallStringTable(const QString& language)
{
    QMutexLocker lock(&tableMutex);
    auto* table = new QTranslator;
    if (!table->load(QStringLiteral(":/i18n/InfoPlist_%1.qm").arg(language)) &&
        !table->load(QStringLiteral(":/i18n/InfoPlist_en.qm"))) {
        delete table;
        return false;
    }
    if (installedTable) {
        QCoreApplication::removeTranslator(installedTable);
        delete installedTable;
    }
    installedTable = table;
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(table);
    return true;
}

static const QTranslator* stringTable()
{
    {
        QMutexLocker lock(&tableMutex);
        if (installedTable)
            return installedTable;
    }
    ORXInstallStringTable();
    QMutexLocker lock(&tableMutex);
    return installedTable;
}

QString ORXLocalizedString(const char* key)
{
    if (!key || !*key)
        return QString("");
    // Look the key up in our own table directly so that the lookup also works before (or
    // without) a QCoreApplication, as in the command-line tool's early error paths.
    // A key missing from the table gives an empty text; a key whose text is the key itself
    // ("Korean") gives that text.
    const QTranslator* table = stringTable();
    const QString text = table ? table->translate(nullptr, key) : QString();
    return text.isNull() ? QString("") : text;
}

QString ORXLocalizedString(const QString& key)
{
    return ORXLocalizedString(key.toUtf8().constData());
}
