#pragma once
// A screenshot of the whole test display, saved as a BMP file beside the test log when a UI test fails: in the
// folder named by the environment variable TALLYVANE_UI_SCREENSHOT_DIR (the ctest log folder), else the current
// folder, as "<suite>.<test>.bmp". The UI test support registers it with GoogleTest at start-up.

#include <cstdint>
#include <string>
#include <vector>

namespace ui_test {

// What the display shows in the rectangle (screen coordinates), row by row as 0x00RRGGBB; empty when it could not be
// read. Under Wine this is the X display's own picture, what a user looks at.
std::vector<uint32_t> ReadScreen(int left, int top, int width, int height);
// Writes pixels (row by row, width by height) as a 32-bit BMP file; false when it could not be written.
bool SaveBitmapFile(const std::wstring& path, const std::vector<uint32_t>& pixels, int width, int height);
// Saves the screen as a 32-bit BMP file; false when it could not be captured or written.
bool SaveScreenshot(const std::wstring& path);
// Where a screenshot of that name (without extension) is kept: "<name>.bmp" in the folder of
// TALLYVANE_UI_SCREENSHOT_DIR, else in the current folder.
std::wstring ScreenshotPath(const std::string& name);

} // namespace ui_test
