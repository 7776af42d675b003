#include "OrvexTest.h"

#include "ORXLocalizedString.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

// Every localisation key that the sources and the interface files use has a text in the
// string table. Keys are found as string literal arguments of ORXLocalizedString and of
// the pages' localized() lists, as dotted literals of the table's own namespaces, and in the
// .ui files of the ui/ libraries as every text, title and tool tip not marked notr="true".
class ORXStringTableTest : public QObject
{
    Q_OBJECT

    QStringList files(const QStringList& patterns) const
    {
        QStringList list;
        const QString root = OrvexTest::sourceDir();
        QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(root.size() + 1);
            if (relative.startsWith("build") || relative.startsWith('.') || relative.contains("/."))
                continue;
            list << path;
        }
        return list;
    }

    static QString read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static void collect(QSet<QString>& used, const QRegularExpression& re, const QString& text, int group = 1)
    {
        for (const QRegularExpressionMatch& m : re.globalMatch(text))
            used.insert(m.captured(group));
    }

private slots:
    // The lookup: the text of a key, an empty (not null) text for a key the table lacks.
    void lookup_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("dotted key") << QString("msg.saved") << "Saved.";
        QTest::newRow("text equal to its key") << QString("Korean") << "Korean";
        QTest::newRow("missing key") << QString("no.such.key") << "";
        QTest::newRow("empty key") << QString() << "";
    }
    void lookup()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QCOMPARE(ORXLocalizedString(key), text);
        QVERIFY(!ORXLocalizedString(key).isNull());
    }

    void everyKeyHasAText()
    {
        QSet<QString> used;
        QHash<QString, QString> where;
        // Namespaces of dotted keys; a literal ending in a file extension is a file name.
        static const QRegularExpression dotted(
            "\"((?:app|cli|export|filelist|map|media|msg|player|print|progress|setting|snapshot|telemetry|"
            "time)\\.[A-Za-z0-9_.]+)\"");
        static const QRegularExpression fileName(
            "\\.(csv|png|jpg|avi|bin|cfg|drv|obd|htm|html|js|css|json|gpx|txt|svg)$");
        static const QRegularExpression call("ORXLocalizedString\\(\\s*\"([^\"]+)\"");
        static const QRegularExpression list("localized\\(\\{([^}]*)\\}");
        static const QRegularExpression literal("\"([^\"]+)\"");
        const QStringList sources = files({"*.cpp", "*.h"});
        QVERIFY(sources.size() > 50);
        for (const QString& path : sources) {
            const QString text = read(path);
            QSet<QString> keys;
            collect(keys, dotted, text);
            collect(keys, call, text);
            for (const QRegularExpressionMatch& m : list.globalMatch(text))
                collect(keys, literal, m.captured(1));
            for (const QString& key : keys) {
                if (!fileName.match(key).hasMatch()) {
                    used.insert(key);
                    where.insert(key, path);
                }
            }
        }
        // Interface files of the ui/ libraries: their texts are keys unless marked literal.
        static const QRegularExpression uiText(
            "<property name=\"(?:text|title|windowTitle|toolTip)\">\\s*<string>([^<]+)</string>");
        for (const QString& path : files({"*.ui"})) {
            if (!path.contains("/ui/"))
                continue;
            QSet<QString> keys;
            collect(keys, uiText, read(path));
            for (const QString& key : keys) {
                used.insert(key);
                where.insert(key, path);
            }
        }
        QVERIFY(used.contains("msg.saved"));
        QStringList missing;
        for (const QString& key : used) {
            if (ORXLocalizedString(key).isEmpty())
                missing << key + " (" + where.value(key) + ")";
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable("keys without a text: " + missing.join(", ")));
    }
};

ORVEX_TEST(ORXStringTableTest)
#include "tst_ORXStringTable.moc"
