// Opening a web address through a stand-in xdg-open: the address reaches it as
// one argument, and every way the handler can fail is told with its reason.

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "platform/OpenUrl.h"
#include "tests/support/FakeUrlHandler.h"

namespace solune::test {
namespace {

// Shell characters and a space: a shell in between would split or run them.
constexpr char kAddress[] = "https://support.dravik.com/home?a=1&b=$(id) x;y";

TEST(OpenUrl, TheAddressReachesTheHandlerAsOneArgument) {
    FakeUrlHandler handler(R"(printf '%s|%s' "$#" "$1" > "${0%/*}/opened")");
    EXPECT_EQ(OpenUrl(kAddress), "");
    EXPECT_EQ(handler.Written("opened"), std::string("1|") + kAddress);
}

TEST(OpenUrl, EachFailureOfTheHandlerIsToldWithItsReason) {
    struct Case {
        const char* what;
        std::optional<std::string> body;
        bool executable;
        const char* reason;
    };
    const Case cases[] = {
        {"no handler", std::nullopt, true, "xdg-open was not found"},
        {"no browser", "exit 3", true, "xdg-open ended with status 3"},
        {"killed", "kill -KILL $$", true, "xdg-open was ended by signal 9"},
        {"not executable", "exit 0", false, "xdg-open could not be started: Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeUrlHandler handler(c.body, c.executable);
        EXPECT_EQ(OpenUrl(kAddress), c.reason);
    }
}

TEST(OpenUrl, InTheBackgroundAFailureIsToldOnTheOpenersThread) {
    FakeUrlHandler handler("exit 4");
    std::promise<std::pair<std::string, std::string>> told;
    OpenUrlInBackground(kAddress, [&told](const std::string& url, const std::string& reason) {
        told.set_value({url, reason});
    });
    auto future = told.get_future();
    ASSERT_EQ(future.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(future.get(),
              std::make_pair(std::string(kAddress), std::string("xdg-open ended with status 4")));
}

}  // namespace
}  // namespace solune::test
