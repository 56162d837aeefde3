#include "records/fieldtext.h"

#include <QSqlError>
#include <cmath>

namespace zevo {

QString CutText(const QString& text, int size)
{
    if (text.size() <= size)
        return text.isNull() ? QStringLiteral("") : text;
    // Cutting between the halves of a surrogate pair would leave half a character.
    if (size > 0 && text.at(size - 1).isHighSurrogate())
        --size;
    return text.left(size);
}

QString DateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

QString TimeText(QTime time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QDate DateFromText(const QVariant& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

QTime TimeFromText(const QVariant& value)
{
    return QTime::fromString(value.toString(), QStringLiteral("HH:mm:ss"));
}

QVariant OptionalNumber(std::optional<double> value)
{
    // SQLite would turn NaN into NULL anyway; say so here rather than rely on it.
    if (!value || !std::isfinite(*value))
        return QVariant(QMetaType::fromType<double>());
    return *value;
}

std::optional<double> NumberFromValue(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

QString ErrorText(const QString& what, const QSqlError& error)
{
    const QString detail = error.text().trimmed();
    return detail.isEmpty() ? what : QStringLiteral("%1: %2").arg(what, detail);
}

} // namespace zevo
