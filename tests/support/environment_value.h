// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// An environment variable set for a test's while.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace kelvaro::test {

// Sets an environment variable for the object's life, or unsets it for nullptr; then puts the
// old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvironmentValue() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace kelvaro::test
