// SPDX-License-Identifier: GPL-3.0-or-later
// The seed of a test's random draws: fresh each run, or the one an environment
// variable names to replay a failure; and separate streams drawn from it.
#pragma once

#include <QRandomGenerator>
#include <QtGlobal>
#include <random>

namespace tenebrix::testing {

// The whole number in `variable`, when set; otherwise a fresh seed. A value
// that is no whole number is reported and replaced, never silently used as 0.
inline quint32 testSeed(const char* variable) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(variable).trimmed().toUInt(&ok);
    if (qEnvironmentVariableIsSet(variable) && !ok) qWarning("%s is no whole number", variable);
    return ok ? value : QRandomGenerator::global()->generate();
}

// Who draws from a seed. Each has its own stream, so the simulated player's
// choices never mirror the game's own draws.
enum class Stream : quint32 { Game = 1, Player = 2 };

inline std::mt19937 randomStream(quint32 seed, Stream stream) {
    std::seed_seq sequence{seed, static_cast<quint32>(stream)};
    return std::mt19937(sequence);
}

}  // namespace tenebrix::testing
