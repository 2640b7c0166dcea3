#pragma once
// Where the virtual mouse's state lives between exchanges. Every transfer is one
// exchange: the store locks the state, lets the mouse work on it and keeps the
// result, so several users (threads, or processes for the state file) share one
// mouse and each transfer sees the whole effect of the one before.

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "simulator/MouseState.h"

namespace solune::simulator {

class MouseStore {
  public:
    virtual ~MouseStore() = default;

    // Runs `change` on the state under the store's lock. `change` returns true when
    // it changed the state; the store then keeps the new state and tells the change
    // descriptors. False when the state could not be read (then `change` is not
    // called) or the change could not be kept; LastError() says why.
    virtual bool Exchange(const std::function<bool(MouseState&)>& change) = 0;

    // A new descriptor that becomes readable after the state changed, from this
    // process or (for a state file) another. -1 when none can be made. Drain it with
    // DrainChangeDescriptor; give it back with CloseChangeDescriptor.
    virtual int OpenChangeDescriptor() = 0;
    virtual void DrainChangeDescriptor(int descriptor) = 0;
    virtual void CloseChangeDescriptor(int descriptor) = 0;

    virtual std::string LastError() const = 0;

    // Reads a copy of the state; false when it cannot be read.
    bool Read(MouseState& state);
};

// The state in this process's memory. Thread-safe.
class MemoryMouseStore final : public MouseStore {
  public:
    explicit MemoryMouseStore(MouseState initial = {});
    ~MemoryMouseStore() override;

    bool Exchange(const std::function<bool(MouseState&)>& change) override;
    int OpenChangeDescriptor() override;
    void DrainChangeDescriptor(int descriptor) override;
    void CloseChangeDescriptor(int descriptor) override;
    std::string LastError() const override { return {}; }

  private:
    std::mutex m_mutex;
    MouseState m_state;
    std::vector<int> m_descriptors;  // eventfds handed out and not given back
};

// The state in a JSON file (MouseStateJson.h), locked per exchange with an
// advisory lock on "<file>.lock" beside it and replaced atomically, so a reader
// never sees a half-written state. A missing file is a mouse that does not exist:
// exchanges fail until Create makes one.
// The largest state file read. Five slot images take 20 KiB as hex text, a
// firmware image kept by the boot loader 240 KiB; 1 MiB leaves room for the
// keys other tools keep and refuses a runaway file before it is read.
inline constexpr std::size_t kMaxStateFileBytes = 1u << 20;

// A state file is read only when it is a regular file of at most
// kMaxStateFileBytes, nested at most kMaxJsonDepth deep.
class FileMouseStore final : public MouseStore {
  public:
    explicit FileMouseStore(std::filesystem::path file);

    // Writes `state` as a new state file (replacing one that exists). False with
    // LastError() when it cannot be written.
    bool Create(const MouseState& state);

    bool Exchange(const std::function<bool(MouseState&)>& change) override;
    // An inotify descriptor on the file's folder.
    int OpenChangeDescriptor() override;
    void DrainChangeDescriptor(int descriptor) override;
    void CloseChangeDescriptor(int descriptor) override;
    std::string LastError() const override;

    const std::filesystem::path& file() const { return m_file; }

  private:
    bool load(MouseState& state);
    bool save(const MouseState& state);

    std::filesystem::path m_file;
    mutable std::mutex m_mutex;  // the file lock is per process; this is per thread
    std::string m_error;
};

}  // namespace solune::simulator
