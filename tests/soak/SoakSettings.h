// How long the soak runs and from which seed, taken from the environment so
// a failure can be replayed and a slow build can run fewer events.
#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tenebrix::testing {

struct SoakSettings {
    static constexpr int kDefaultEvents = 6000;
    static constexpr int kDefaultSeconds = 60;

    std::uint32_t seed = 0;
    int events = kDefaultEvents;
    int seconds = kDefaultSeconds;
    // Values that could not be used, each replaced by its default.
    QStringList complaints;

    static SoakSettings fromEnvironment() {
        SoakSettings settings;
        settings.seed = QRandomGenerator::global()->generate();
        if (const auto seed = read("TENEBRIX_SOAK_SEED", settings.complaints))
            settings.seed = static_cast<std::uint32_t>(*seed);
        if (const auto events = read("TENEBRIX_SOAK_EVENTS", settings.complaints))
            settings.events = static_cast<int>(*events);
        if (const auto seconds = read("TENEBRIX_SOAK_SECONDS", settings.complaints))
            settings.seconds = static_cast<int>(*seconds);
        return settings;
    }

  private:
    // A whole number up to 2^32 - 1, or nothing when unset or unusable.
    static std::optional<quint32> read(const char* name, QStringList& complaints) {
        if (!qEnvironmentVariableIsSet(name)) return std::nullopt;
        bool ok = false;
        const quint32 value = qEnvironmentVariable(name).trimmed().toUInt(&ok);
        if (ok && value <= 0x7fffffffu) return value;
        complaints << QStringLiteral("%1=\"%2\" is not a whole number; using the default")
                          .arg(QLatin1String(name), qEnvironmentVariable(name));
        return std::nullopt;
    }
};

}  // namespace tenebrix::testing
