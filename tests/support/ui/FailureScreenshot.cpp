#include "tests/support/ui/FailureScreenshot.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/FileDialogs.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/ServiceDoubles.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace ui_test {

std::vector<uint32_t> ReadScreen(int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    // Looking at the queue (nothing is taken from it) lets Windows bring what the windows painted to the screen.
    MSG pending{};
    PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE);
    GdiFlush();
    TDibSurface surface(width, height);
    HDC screen = GetDC(nullptr);
    const bool copied = BitBlt(surface.DC(), 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT);
    ReleaseDC(nullptr, screen);
    return copied ? surface.Pixels() : std::vector<uint32_t>{};
}

bool SaveBitmapFile(const std::wstring& path, const std::vector<uint32_t>& pixels, int width, int height) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return false;
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD pixelBytes = static_cast<DWORD>(pixels.size() * sizeof(uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + pixelBytes;
    const std::unique_ptr<FILE, int (*)(FILE*)> output(_wfopen(path.c_str(), L"wb"), fclose);
    if (!output) {
        return false;
    }
    return fwrite(&file, sizeof(file), 1, output.get()) == 1 && fwrite(&info, sizeof(info), 1, output.get()) == 1 &&
           fwrite(pixels.data(), pixelBytes, 1, output.get()) == 1;
}

bool SaveScreenshot(const std::wstring& path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return SaveBitmapFile(path, ReadScreen(left, top, width, height), width, height);
}

std::wstring ScreenshotPath(const std::string& name) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"TALLYVANE_UI_SCREENSHOT_DIR", folder, MAX_PATH);
    const std::wstring prefix = length > 0 && length < MAX_PATH ? std::wstring(folder) + L"\\" : std::wstring();
    return prefix + std::wstring(name.begin(), name.end()) + L".bmp";
}

namespace {

// The screen is taken at the first failed assertion of a test, while the test's windows still stand.
class TFailureScreenshots final : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { FTaken = false; }

    void OnTestPartResult(const testing::TestPartResult& result) override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        if (FTaken || !result.failed() || !test) {
            return;
        }
        FTaken = true;
        const std::wstring path = ScreenshotPath(std::string(test->test_suite_name()) + "." + test->name());
        if (SaveScreenshot(path)) {
            std::printf("screenshot of the failed test: %ls\n", path.c_str());
        }
    }

    bool FTaken = false;
};

// Runs at start-up of every test program that links the UI test support.
const bool UiTestSupportInstalled = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new TFailureScreenshots);
    InstallUnexpectedMessageBoxGuard();
    InstallUnexpectedFileDialogGuard();
    InstallUnexpectedShellLaunchGuard();
    return true;
}();

} // namespace

} // namespace ui_test
