// Hidden windows bound to methods: messages reach the method, exceptions stop at the hook, and a window may be
// deallocated by its own message.

#include "vcl/system/UtilWindow.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "vcl/system/ExceptionHook.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT TestMessage = WM_APP + 7;

TEST(UtilWindow, MessagesReachTheBoundMethodWhichAnswersThem) {
    std::vector<uint32_t> received;
    HWND window = nullptr;
    window = vcl::AllocateHWnd([&](vcl::TMessage& message) {
        received.push_back(message.Msg);
        message.Result = message.Msg == TestMessage
                             ? static_cast<intptr_t>(message.WParam * 2)
                             : DefWindowProcW(window, message.Msg, message.WParam, message.LParam);
    });
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(SendMessageW(window, TestMessage, 21, 0), 42);
    EXPECT_NE(std::find(received.begin(), received.end(), TestMessage), received.end());
    vcl::DeallocateHWnd(window);
    EXPECT_FALSE(IsWindow(window));
}

TEST(UtilWindow, AnExceptionInTheMethodGoesToTheHookAndNotIntoWindows) {
    std::vector<std::u16string> handled;
    const vcl::TExceptionHandler previous = vcl::SetExceptionHandler(
        [&](rtl::TObject*, std::exception_ptr error) { handled.push_back(vcl::ExceptionMessage(error)); });
    HWND window = vcl::AllocateHWnd([](vcl::TMessage& message) {
        if (message.Msg == TestMessage) {
            throw rtl::EConvertError(u"bad value");
        }
    });
    SendMessageW(window, TestMessage, 0, 0);
    vcl::DeallocateHWnd(window);
    vcl::SetExceptionHandler(previous);
    EXPECT_EQ(handled, std::vector<std::u16string>{u"bad value"});
}

TEST(UtilWindow, AWindowMayBeDeallocatedWhileHandlingItsOwnMessage) {
    HWND window = nullptr;
    int callsAfterDeallocation = 0;
    bool deallocated = false;
    window = vcl::AllocateHWnd([&](vcl::TMessage& message) {
        if (deallocated) {
            ++callsAfterDeallocation;
        }
        if (message.Msg == TestMessage) {
            vcl::DeallocateHWnd(window);
            deallocated = true;
        }
    });
    SendMessageW(window, TestMessage, 0, 0);
    EXPECT_TRUE(deallocated);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(callsAfterDeallocation, 0);
}

} // namespace
