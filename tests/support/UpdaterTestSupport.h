#pragma once
// Helpers of the updater tests: a view that records what the user would see, a
// log with a fixed clock, and the messages of a log file.

#include <mutex>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/log/CLOG.h"

namespace solune::test {

class RecordingView : public UpdateView {
  public:
    void Report(UpdateEvent event) override {
        std::lock_guard hold(m_mutex);
        events.push_back(event);
    }
    void SetProgress(int value) override {
        std::lock_guard hold(m_mutex);
        progress.push_back(value);
    }
    void SetMouseVersionText(const std::string& text) override {
        std::lock_guard hold(m_mutex);
        mouseVersionTexts.push_back(text);
    }
    void ShowBootLoaderSearchMessage(const std::string& caption, const std::string& text) override {
        std::lock_guard hold(m_mutex);
        messageBoxes.push_back(caption + "|" + text);
    }

    std::vector<UpdateEvent> events;
    std::vector<int> progress;
    std::vector<std::string> mouseVersionTexts;
    std::vector<std::string> messageBoxes;

  private:
    std::mutex m_mutex;
};

// A log file in a temporary folder whose entries all carry the same time, so
// only the first one has a difference field.
struct TestLog {
    TestLog() : log([] { return LocalTime{7, 9, 8, 5, 3, 45}; }) {
        log.SetFilePath(dir / "SOLUNELog.log");
    }

    // The messages of the entries (tags included), oldest first.
    std::vector<std::string> Messages() const {
        const std::vector<std::uint8_t> bytes = ReadBytes(dir / "SOLUNELog.log");
        const std::string text(bytes.begin(), bytes.end());
        std::vector<std::string> messages;
        const std::string stamp = "[ 7- 9  8: 5: 3. 45],";
        const std::string difference = "[-29103045],";
        std::size_t at = 0;
        while ((at = text.find("\r\n" + stamp, at)) != std::string::npos) {
            at += 2 + stamp.size();
            if (text.compare(at, difference.size(), difference) == 0) {
                at += difference.size();
            }
            const std::size_t end = text.find("\r\n" + stamp, at);
            messages.push_back(text.substr(at, end == std::string::npos ? end : end - at));
        }
        return messages;
    }

    TempDir dir;
    CLOG log;
};

}  // namespace solune::test
