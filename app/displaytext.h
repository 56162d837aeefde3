#pragma once
// How the windows show stored values: dates as the workshop writes them
// ("05.05.26"), times as stored, mileages without a decimal part when whole.
// The tables keep ISO dates and REAL mileages; only the display differs.

#include <QString>
#include <QVariant>
#include <optional>

namespace zevo {

// "dd.MM.yy" of a stored "YYYY-MM-DD"; any other text is shown as it is.
QString DateDisplayText(const QVariant& stored);

// "87654" for 87654.0, "1234,5" for 1234.5 (the workshop's decimal comma),
// empty for none.
QString KmDisplayText(std::optional<double> km);
QString KmDisplayText(const QVariant& stored);

} // namespace zevo
