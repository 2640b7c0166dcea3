#pragma once
// Sets (or, given nullptr, removes) an environment variable for the life of
// the object and puts the earlier value back, or removes the variable again
// when it had none. Header-only, so Qt-free test programs use it too.

#include <cstdlib>
#include <optional>
#include <string>

namespace solune::test {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Put(value);
    }
    ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
    ~ScopedEnv() { Put(m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Put(const char* value) const {
        if (value != nullptr) {
            ::setenv(m_name.c_str(), value, 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

}  // namespace solune::test
