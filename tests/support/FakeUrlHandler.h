#pragma once
// A stand-in for the desktop's URL handler: a folder that holds an "xdg-open"
// shell script with the body a test gives (or no handler at all), made the
// only folder of PATH for the life of the object. Header-only, so Qt-free
// test programs use it too.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace solune::test {

class FakeUrlHandler {
  public:
    // `body` runs as the script (`$1` is the address); no body: no handler.
    // A handler that is not `executable` is found but cannot be started.
    explicit FakeUrlHandler(const std::optional<std::string>& body, bool executable = true)
        : m_path("PATH", m_folder.path().string()) {
        if (body) {
            const std::filesystem::path script = m_folder / "xdg-open";
            WriteText(script, "#!/bin/sh\n" + *body + "\n");
            ::chmod(script.c_str(), executable ? 0755 : 0644);
        }
    }

    // What the handler wrote into the file `name` of its folder.
    std::string Written(const std::string& name) const {
        const std::vector<std::uint8_t> bytes = ReadBytes(m_folder / name);
        return {bytes.begin(), bytes.end()};
    }

    const std::filesystem::path& folder() const { return m_folder.path(); }

  private:
    TempDir m_folder;
    ScopedEnv m_path;
};

}  // namespace solune::test
