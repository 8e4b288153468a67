// SPDX-License-Identifier: GPL-3.0-or-later
// An environment variable set for one scope and put back as it was, unset
// included, however the scope is left (a failed check returns early).
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace tenebrix::testing {

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const QByteArray& value) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) m_before = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (m_before)
            qputenv(m_name, *m_before);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* m_name;
    std::optional<QByteArray> m_before;
};

}  // namespace tenebrix::testing
