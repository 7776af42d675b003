#include "OrvexTest.h"

#include "ORXLocalizedString.h"

// Every localisation key that the sources and the ui/ interface files use has a text.
class ORXStringTableTest : public QObject
{
    Q_OBJECT

    // The files of the source tree matching the patterns (not the build or hidden folders), read.
    static QHash<QString, QString> files(const QStringList& patterns)
    {
        QHash<QString, QString> texts;
        const QString root = OrvexTest::sourceDir();
        for (QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            const QString relative = path.mid(root.size() + 1);
            QFile file(path);
            if (!relative.startsWith("build") && !relative.startsWith('.') && !relative.contains("/.") &&
                file.open(QIODevice::ReadOnly))
                texts.insert(path, QString::fromUtf8(file.readAll()));
        }
        return texts;
    }

private slots:
    // A key the table lacks, or none, gives an empty (not null) text.
    void lookup()
    {
        QCOMPARE(ORXLocalizedString("msg.saved"), QString("Saved."));
        QCOMPARE(ORXLocalizedString("Korean"), QString("Korean"));
        for (const QString& key : {QString("no.such.key"), QString()})
            QVERIFY(ORXLocalizedString(key).isEmpty() && !ORXLocalizedString(key).isNull());
    }

    void everyKeyHasAText()
    {
        QHash<QString, QString> where; // each key used, and a file using it
        // Namespaces of dotted keys; a literal ending in a file extension is a file name.
        static const QRegularExpression dotted(
            "\"((?:app|cli|export|filelist|map|media|msg|player|print|progress|setting|snapshot|telemetry|"
            "time)\\.[A-Za-z0-9_.]+)\"");
        static const QRegularExpression fileName(
            "\\.(csv|png|jpg|avi|bin|cfg|drv|obd|htm|html|js|css|json|gpx|txt|svg)$");
        static const QRegularExpression call("ORXLocalizedString\\(\\s*\"([^\"]+)\"");
        static const QRegularExpression list("localized\\(\\{([^}]*)\\}");
        static const QRegularExpression literal("\"([^\"]+)\"");
        const QHash<QString, QString> sources = files({"*.cpp", "*.h"});
        QVERIFY(sources.size() > 50);
        const auto use = [&](const QString& key, const QString& path) {
            if (!fileName.match(key).hasMatch())
                where.insert(key, path);
        };
        for (auto it = sources.begin(); it != sources.end(); ++it) {
            for (const QRegularExpression* re : {&dotted, &call})
                for (const QRegularExpressionMatch& m : re->globalMatch(it.value()))
                    use(m.captured(1), it.key());
            for (const QRegularExpressionMatch& m : list.globalMatch(it.value()))
                for (const QRegularExpressionMatch& k : literal.globalMatch(m.captured(1)))
                    use(k.captured(1), it.key());
        }
        // Interface files of the ui/ libraries: their texts are keys unless marked literal.
        static const QRegularExpression uiText(
            "<property name=\"(?:text|title|windowTitle|toolTip)\">\\s*<string>([^<]+)</string>");
        const QHash<QString, QString> forms = files({"*.ui"});
        for (auto it = forms.begin(); it != forms.end(); ++it) {
            if (it.key().contains("/ui/"))
                for (const QRegularExpressionMatch& m : uiText.globalMatch(it.value()))
                    where.insert(m.captured(1), it.key());
        }
        QVERIFY(where.contains("msg.saved"));
        QStringList missing;
        for (auto it = where.begin(); it != where.end(); ++it) {
            if (ORXLocalizedString(it.key()).isEmpty())
                missing << it.key() + " (" + it.value() + ")";
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable("keys without a text: " + missing.join(", ")));
    }
};

ORVEX_TEST(ORXStringTableTest)
#include "tst_ORXStringTable.moc"
