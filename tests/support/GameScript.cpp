#include "support/GameScript.h"

namespace {

const QString kCodeChars = QStringLiteral("0123456789abcde");

// Just inside the interval [index / count, (index + 1) / count).
double drawFor(int index, int count) { return (index + 0.5) / count; }

} // namespace

std::vector<double> drawsFor(const std::vector<Integer>& codes, bool specialJoker)
{
    const int blocks = static_cast<int>(codes.size());
    std::vector<double> draws{drawFor(blocks - 1, 3)};
    for (const Integer code : codes) {
        const bool special = blocks == 1 && (code >= Cell::kShower || (code == Cell::kJoker && specialJoker));
        if (special) {
            draws.push_back(0.0);                      // any ordinary code, replaced below
            draws.push_back(0.0);                      // the chance draw hits
            draws.push_back(drawFor(code - 7, 6));     // 6..11 plus one
        } else {
            draws.push_back(drawFor(code - 1, 7));
            draws.push_back(0.999);                    // the chance draw misses at every level
        }
    }
    return draws;
}

void setColumns(Form1& form, const QStringList& columns)
{
    for (int c = BoardSize::kFirstColumn; c <= BoardSize::kLastColumn; ++c) {
        const QString column = c - 1 < columns.size() ? columns[c - 1] : QString();
        for (int r = BoardSize::kBottomRow; r >= BoardSize::kTopRow; --r) {
            const int height = BoardSize::kBottomRow - r;
            form.board(c, r) = height < column.size() ? static_cast<Integer>(kCodeChars.indexOf(column[height]))
                                                      : Cell::kEmpty;
        }
    }
}

QStringList columnsOf(const Form1& form)
{
    QStringList columns;
    for (int c = BoardSize::kFirstColumn; c <= BoardSize::kLastColumn; ++c) {
        QString column;
        for (int r = BoardSize::kBottomRow; r >= BoardSize::kTopRow; --r) {
            const Integer code = form.board(c, r);
            if (code == Cell::kEmpty) break;
            column += code > 0 && code < kCodeChars.size() ? kCodeChars[code] : QLatin1Char('?');
        }
        columns << column;
    }
    return columns;
}

bool boardIsSound(const Form1& form, QString* why)
{
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    for (int r = 0; r <= BoardSize::kFloorRow; ++r)
        if (form.board(0, r) != Cell::kWall || form.board(8, r) != Cell::kWall)
            return fail(QStringLiteral("wall broken in row %1").arg(r));
    for (int c = 0; c <= BoardSize::kRightWall; ++c)
        if (form.board(c, BoardSize::kFloorRow) != Cell::kWall)
            return fail(QStringLiteral("floor broken in column %1").arg(c));
    for (int c = BoardSize::kFirstColumn; c <= BoardSize::kLastColumn; ++c) {
        bool emptySeen = false;
        for (int r = BoardSize::kBottomRow; r >= BoardSize::kTopRow; --r) {
            const Integer code = form.board(c, r);
            if (code < 0 || code > Cell::kCleared) return fail(QStringLiteral("code %1 at (%2, %3)").arg(code).arg(c).arg(r));
            if (code == Cell::kEmpty) emptySeen = true;
            else if (emptySeen) return fail(QStringLiteral("gap below (%1, %2)").arg(c).arg(r));
        }
    }
    return true;
}
