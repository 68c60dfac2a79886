// The table of every figure against its budget, and the same figures as JSON.
#include "Benchmarks.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

enum class Bound { AtMost, AtLeast, None };

struct Budget {
    const char* key;
    const char* what;
    const char* unit;
    double shownScale;  // figure times this is what the table shows
    Bound bound;
    double limit;       // in the figure's own unit
};

constexpr Budget kBudgets[] = {
    {"pace_ms.1.median", "step error, level 1, median", "ms", 1, Bound::AtMost, 1},
    {"pace_ms.1.p95", "step error, level 1, 95th pct", "ms", 1, Bound::AtMost, 3},
    {"pace_ms.5.median", "step error, level 5, median", "ms", 1, Bound::AtMost, 1},
    {"pace_ms.5.p95", "step error, level 5, 95th pct", "ms", 1, Bound::AtMost, 3},
    {"pace_ms.10.median", "step error, level 10, median", "ms", 1, Bound::AtMost, 1},
    {"pace_ms.10.p95", "step error, level 10, 95th pct", "ms", 1, Bound::AtMost, 3},
    {"frame_error_ms.median", "collapse frame error, median", "ms", 1, Bound::AtMost, 1},
    {"frame_error_ms.p95", "collapse frame error, 95th pct", "ms", 1, Bound::AtMost, 3},
    {"cpu_fraction.shipped", "CPU, shipped waits, level 1 (in-process)", "% core", 100, Bound::AtMost, 0.015},
    {"cpu_fraction.busy_wait", "CPU, busy-wait reference, level 1", "% core", 100, Bound::None, 0},
    {"cpu_fraction.level1", "CPU, real window, level 1", "% core", 100, Bound::AtMost, 0.01},
    {"cpu_fraction.level10", "CPU, real window, level 10", "% core", 100, Bound::AtMost, 0.015},
    {"cpu_per_step_us.1", "CPU per fall step made, real window, level 1", "us", 1, Bound::None, 0},
    {"cpu_per_step_us.10", "CPU per fall step made, real window, level 10", "us", 1, Bound::None, 0},
    {"wakeups_per_step", "voluntary switches per fall step, its own", "", 1, Bound::AtMost, 1.5},
    {"wakeups_per_step_whole_pieces", "the same over whole pieces (frames too)", "", 1, Bound::None, 0},
    {"redraw_us", "RedrawBoard, full board, median", "us", 1, Bound::AtMost, 150},
    {"landings_per_cpu_s", "landings per CPU second, virtual clock", "/CPU s", 1, Bound::AtLeast, 2500},
    {"startup_ms", "start-up to the board on screen, median of 5", "ms", 1, Bound::AtMost, 250},
    {"startup_accuracy_ms", "start-up: longest screenshot interval", "ms", 1, Bound::None, 0},
    {"peak_rss_mb", "peak resident memory, whole game", "MB", 1, Bound::AtMost, 60},
    {"cue_first_sample_ms", "PlayCue to first sample heard, median", "ms", 1, Bound::AtMost, 30},
    {"cue_sync_extra_ms", "sync cue's return after its last sample heard, median", "ms", 1, Bound::AtMost, 20},
    // A sync cue must not return before its end is heard: the earliest is
    // read against the accuracy of the times taken from the recording.
    {"cue_sync_earliest_ms", "sync cue's return after its last sample, least", "ms", 1, Bound::None, 0},
    {"cue_timing_accuracy_ms", "accuracy of the times heard (+-)", "ms", 1, Bound::None, 0},
};

using Figures = QMap<QString, std::optional<double>>;

std::optional<Figures> readFigures(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    Figures figures;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 2) continue;
        bool ok = false;
        const double value = parts[1].toDouble(&ok);
        figures[parts[0]] = ok ? std::optional(value) : std::nullopt;
    }
    return figures;
}

void insertAt(QJsonObject& object, QStringList path, const QJsonValue& value)
{
    const QString head = path.takeFirst();
    if (path.isEmpty()) {
        object[head] = value;
        return;
    }
    QJsonObject inner = object[head].toObject();
    insertAt(inner, path, value);
    object[head] = inner;
}

QString shown(const std::optional<double>& value, double scale)
{
    return value ? QString::number(*value * scale, 'f', 2) : QStringLiteral("null");
}

QString budgetText(const Budget& budget)
{
    switch (budget.bound) {
    case Bound::AtMost: return QStringLiteral("<= ") + QString::number(budget.limit * budget.shownScale);
    case Bound::AtLeast: return QStringLiteral(">= ") + QString::number(budget.limit * budget.shownScale);
    case Bound::None: return QStringLiteral("reference");
    }
    return {};
}

QString verdict(const Budget& budget, const std::optional<double>& value)
{
    if (budget.bound == Bound::None) return {};
    if (!value) return QStringLiteral("not measured");
    const bool met = budget.bound == Bound::AtMost ? *value <= budget.limit : *value >= budget.limit;
    return met ? QStringLiteral("met") : QStringLiteral("MISSED");
}

} // namespace

bool writeReport(const char* figuresPath, const char* jsonPath)
{
    const std::optional<Figures> figures = readFigures(figuresPath);
    if (!figures) {
        std::fprintf(stderr, "report: cannot read %s\n", figuresPath);
        return false;
    }
    QJsonObject json;
    QString table;
    QTextStream out(&table);
    out << QStringLiteral("%1  %2  %3  %4  %5\n")
               .arg(QStringLiteral("figure"), -42)
               .arg(QStringLiteral("measured"), 10)
               .arg(QStringLiteral("budget"), 10)
               .arg(QStringLiteral("unit"), -7)
               .arg(QStringLiteral("verdict"));
    bool complete = true;
    int met = 0;
    int budgets = 0;
    for (const Budget& budget : kBudgets) {
        const QString key = QString::fromLatin1(budget.key);
        if (!figures->contains(key)) {
            std::fprintf(stderr, "report: no figure for %s\n", budget.key);
            complete = false;
            continue;
        }
        const std::optional<double> value = figures->value(key);
        insertAt(json, key.split(QLatin1Char('.')), value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null));
        const QString result = verdict(budget, value);
        budgets += budget.bound != Bound::None;
        met += result == QStringLiteral("met");
        out << QStringLiteral("%1  %2  %3  %4  %5\n")
                   .arg(QString::fromLatin1(budget.what), -42)
                   .arg(shown(value, budget.shownScale), 10)
                   .arg(budgetText(budget), 10)
                   .arg(QString::fromLatin1(budget.unit), -7)
                   .arg(result);
    }
    const std::optional<double> shipped = figures->value(QStringLiteral("cpu_fraction.shipped"));
    const std::optional<double> busy = figures->value(QStringLiteral("cpu_fraction.busy_wait"));
    if (shipped && busy && *busy > 0)
        out << QStringLiteral("shipped / busy-wait CPU: %1 (the busy wait costs %2 times as much)\n")
                   .arg(*shipped / *busy, 0, 'f', 4)
                   .arg(*busy / std::max(*shipped, 1e-6), 0, 'f', 0);
    out << QStringLiteral("%1 of %2 budgets met\n").arg(met).arg(budgets);
    out.flush();
    std::fputs(table.toLocal8Bit().constData(), stdout);

    QFile file(QString::fromLocal8Bit(jsonPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(QJsonDocument(json).toJson()) < 0) {
        std::fprintf(stderr, "report: cannot write %s\n", jsonPath);
        return false;
    }
    return complete;
}
