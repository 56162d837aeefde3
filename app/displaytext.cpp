#include "app/displaytext.h"

#include "records/fieldtext.h"
#include "report/headerlines.h"

#include <cmath>

namespace zevo {

QString DateDisplayText(const QVariant& stored)
{
    const QDate date = DateFromText(stored);
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yy")) : stored.toString();
}

QString KmDisplayText(std::optional<double> km)
{
    return MileageText(km);
}

QString KmDisplayText(const QVariant& stored)
{
    return KmDisplayText(NumberFromValue(stored));
}

} // namespace zevo
