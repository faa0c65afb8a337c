#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <random>

// Writing sessions for varnel-script and judging what it printed.
namespace sessions {

// The session with hostile texts typed into every box the calculation and the planning window read.
QByteArray hostileSession();
// A long day: every secondary window opened and closed 50 times, then 1000 calculations.
QByteArray longDaySession();
// A seeded session of `actions` random user actions with a `state` after each.
QByteArray randomSession(std::mt19937& random, int actions);

// What is wrong with one printed line, or an empty string.
QString judge(const QByteArray& line);

} // namespace sessions
