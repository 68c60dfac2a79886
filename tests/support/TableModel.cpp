#include "support/TableModel.h"

#include <QtGlobal>

#include <utility>
#include <vector>

namespace {

constexpr int kRows = 5;

// The number at the start of a cash text: its leading decimal digits.
std::int64_t leadingNumber(const QString& cash)
{
    std::int64_t number = 0;
    for (const QChar c : cash) {
        if (!c.isDigit()) break;
        number = number * 10 + c.digitValue();
    }
    return number;
}

} // namespace

TableEntry enterResult(const QStringList& table, const QString& name, std::int64_t cash)
{
    if (table.size() != 2 * kRows) qFatal("a table has ten captions");
    std::vector<std::pair<QString, QString>> rows;
    for (int i = 0; i < table.size(); i += 2) rows.emplace_back(table[i], table[i + 1]);

    auto at = rows.begin();
    while (at != rows.end() && leadingNumber(at->second) > cash) ++at;
    TableEntry entry;
    entry.rank = at - rows.begin() < kRows ? static_cast<int>(at - rows.begin()) + 1 : 0;
    rows.insert(at, {name, QString::number(cash) + QLatin1Char('$')});
    rows.resize(kRows);
    for (const auto& [rowName, rowCash] : rows) entry.table << rowName << rowCash;
    return entry;
}

QByteArray asciiTableFile(const QStringList& table)
{
    QByteArray bytes;
    for (const QString& line : table) bytes += line.toLatin1() + "\r\n";
    return bytes;
}
