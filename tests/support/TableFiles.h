#pragma once

#include "support/SaveLoopTables.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>

// What the tests of the top-players file share: its bytes as they should be,
// and the files they leave.

// The save loop's first table is the default one.
inline const QStringList kDefaultTable = kSaveLoopFirstTable;
inline const QByteArray kDefaultTableBytes = QByteArray("Mirako\r\n0$\r\n").repeated(5);

QByteArray fileBytes(const QString& path);
// The bytes a save writes for the table.
QByteArray tableBytes(const QStringList& table);
// Fails the test when the file cannot be written whole.
void putFileBytes(const QString& path, const QByteArray& bytes);
QByteArray crlfLines(const QList<QByteArray>& lines);
// The names in the directory, hidden and system files too.
QStringList filesIn(const QTemporaryDir& dir);

// What "returns at once" allows on a loaded machine; a blocked open never returns.
inline constexpr std::chrono::seconds kNoBlockPatience{2};

// Runs a file operation on a thread of its own and waits a while for it, so
// that one that blocks or never ends fails the test instead of stalling it.
// The operation must own what it uses: a stuck thread outlives the test.
template <typename Operation>
auto resultWithinPatience(Operation operation) -> std::optional<decltype(operation())>
{
    using Result = decltype(operation());
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> future = promise->get_future();
    std::thread([promise, operation] { promise->set_value(operation()); }).detach();
    if (future.wait_for(kNoBlockPatience) != std::future_status::ready) return std::nullopt;
    return future.get();
}
