#include "ORXCliCommand.h"
#include "ORXConfigFile.h"
#include "ORXLocalizedString.h"
#include "ORXSettingPageModels.h"

#include <QLoggingCategory>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>
#include <optional>

// orvex-cli config show FILE | describe FILE | defaults OUT | set FILE NAME=VALUE...
// Works on the camera's "config.bin" through the record's field table.
namespace {

const QString kCommand = QStringLiteral("config");

// Reads FILE as one record, or prints why not and gives nothing.
std::optional<_FILEDATA> loadRecord(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        ORXCli::failInput(path, ORXLocalizedString("cli.file.missing"));
        return std::nullopt;
    }
    if (info.isFile() && info.size() != kORXConfigFileSize) {
        ORXCli::failInput(path, ORXLocalizedString("cli.config.not_a_record").arg(info.size()).arg(kORXConfigFileSize));
        return std::nullopt;
    }
    _FILEDATA record;
    if (!readConfigFile(path, &record)) {
        ORXCli::failInput(path, ORXLocalizedString("cli.file.unreadable"));
        return std::nullopt;
    }
    return record;
}

QString jsonString(const QByteArray& bytes)
{
    // Bytes that are not UTF-8 become U+FFFD.
    const QByteArray array = QJsonDocument(QJsonArray{QString::fromUtf8(bytes)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString jsonValue(const _FILEDATA& record, const ORXConfigField& field)
{
    switch (field.type) {
    case ORXFieldType::Text:
        return jsonString(configFieldText(record, field));
    case ORXFieldType::U32Array: {
        QStringList words;
        for (int i = 0; i < field.size / 4; ++i)
            words << QString::number(configFieldValue(record, field, i));
        return QLatin1Char('[') + words.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    default:
        return QString::number(configFieldValue(record, field));
    }
}

int show(const QStringList& args)
{
    if (args.size() != 1)
        return ORXCli::failUsage(kCommand);
    const std::optional<_FILEDATA> record = loadRecord(args.first());
    if (!record)
        return ORXCli::BadInput;
    QString text = QStringLiteral("{\n");
    for (const ORXConfigField& field : kORXConfigFields)
        text += QStringLiteral("    \"%1\": %2,\n").arg(QLatin1String(field.name), jsonValue(*record, field));
    text += QStringLiteral("    \"checksumComputed\": %1\n}\n").arg(configChecksum(*record));
    ORXCli::writeOut(text);
    return ORXCli::Success;
}

// What each settings page shows for the record right after its tab is opened, through the
// same page models as the settings window.
int describe(const QStringList& args)
{
    if (args.size() != 1)
        return ORXCli::failUsage(kCommand);
    const std::optional<_FILEDATA> record = loadRecord(args.first());
    if (!record)
        return ORXCli::BadInput;
    QJsonObject pages;
    for (const ORXSettingPageModel* model : ORXSettingPageModels::all())
        pages.insert(model->name(), model->display(*record).toJson());
    ORXCli::writeOut(QJsonDocument(pages).toJson(QJsonDocument::Indented));
    return ORXCli::Success;
}

int defaults(const QStringList& args)
{
    if (args.size() != 1)
        return ORXCli::failUsage(kCommand);
    const QString key = writeDefaultConfigFile(args.first());
    if (!key.isNull())
        return ORXCli::failInput(args.first(), ORXLocalizedString(key));
    return ORXCli::Success;
}

struct Range
{
    qint64 min;
    qint64 max;
};

Range rangeOf(ORXFieldType type)
{
    switch (type) {
    case ORXFieldType::U16:
        return {0, std::numeric_limits<quint16>::max()};
    case ORXFieldType::I32:
        return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    default:
        return {0, std::numeric_limits<quint32>::max()};
    }
}

// Decimal, or hexadecimal with "0x"; nothing when not an integer.
std::optional<qint64> parseInteger(const QString& text)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qint64 value = hex ? text.mid(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    if (!ok || (hex && text.size() < 3))
        return std::nullopt;
    return value;
}

// Sets one field from its text; an empty string when done, otherwise why not.
QString assign(_FILEDATA* record, const ORXConfigField& field, const QString& value)
{
    if (field.type == ORXFieldType::Text) {
        if (!setConfigFieldText(record, field, value.toUtf8()))
            return ORXLocalizedString("cli.config.text_too_long").arg(QLatin1String(field.name)).arg(field.size);
        return QString();
    }
    const Range range = rangeOf(field.type);
    const QStringList parts = field.type == ORXFieldType::U32Array ? value.split(QLatin1Char(',')) : QStringList{value};
    const int words = field.type == ORXFieldType::U32Array ? field.size / 4 : 1;
    QList<qint64> numbers;
    for (const QString& part : parts) {
        const std::optional<qint64> number = parseInteger(part.trimmed());
        if (!number || *number < range.min || *number > range.max)
            break;
        numbers << *number;
    }
    if (numbers.size() != words || parts.size() != words)
        return ORXLocalizedString("cli.config.bad_value")
            .arg(QLatin1String(field.name), value, QString::number(range.min), QString::number(range.max))
            .arg(words);
    for (int i = 0; i < words; ++i)
        setConfigFieldValue(record, field, numbers[i], i);
    return QString();
}

int set(const QStringList& args)
{
    if (args.size() < 2)
        return ORXCli::failUsage(kCommand);
    const QString path = args.first();
    std::optional<_FILEDATA> record = loadRecord(path);
    if (!record)
        return ORXCli::BadInput;
    // Every assignment is checked before anything is written.
    for (const QString& assignment : args.mid(1)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return ORXCli::failUsage(kCommand, ORXLocalizedString("cli.config.bad_assignment").arg(assignment));
        const QString name = assignment.left(equals);
        const ORXConfigField* field = findConfigField(name.toLatin1().constData());
        if (!field)
            return ORXCli::failUsage(kCommand, ORXLocalizedString("cli.config.unknown_field").arg(name));
        const QString why = assign(&*record, *field, assignment.mid(equals + 1));
        if (!why.isEmpty())
            return ORXCli::failUsage(kCommand, why);
    }
    prepareConfigForSave(&*record);
    const QString key = writeConfigFile(*record, path);
    if (!key.isNull())
        return ORXCli::failInput(path, ORXLocalizedString(key));
    return ORXCli::Success;
}

int run(const QStringList& args)
{
    // The command reports a failure in its own single line; the library's log lines for
    // the same failure stay quiet (QT_LOGGING_RULES can still turn them on).
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.settings*=false"));
    const QString sub = args.value(0);
    if (sub == QLatin1String("show"))
        return show(args.mid(1));
    if (sub == QLatin1String("describe"))
        return describe(args.mid(1));
    if (sub == QLatin1String("defaults"))
        return defaults(args.mid(1));
    if (sub == QLatin1String("set"))
        return set(args.mid(1));
    return ORXCli::failUsage(kCommand);
}

} // namespace

static ORXCli::Registrar reg({"config", "config show FILE\nconfig describe FILE\nconfig defaults OUT\nconfig set FILE NAME=VALUE...", run});
