#include "vcl/services/Clipboard.h"

#include "vcl/system/UtilWindow.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <cstring>

namespace vcl {

namespace {

// Another program may hold the clipboard open for a moment.
constexpr int OpenAttempts = 10;
constexpr DWORD OpenRetryMilliseconds = 10;

// Closes the clipboard on every way out of an operation that opened it.
class TClipboardOpening {
public:
    explicit TClipboardOpening(TClipboard& clipboard) : FClipboard(clipboard) { FClipboard.Open(); }
    ~TClipboardOpening() { FClipboard.Close(); }
    TClipboardOpening(const TClipboardOpening&) = delete;
    TClipboardOpening& operator=(const TClipboardOpening&) = delete;

private:
    TClipboard& FClipboard;
};

// GlobalLock / GlobalUnlock of a memory block.
class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL memory) : FMemory(memory), FData(memory ? GlobalLock(memory) : nullptr) {}
    ~TGlobalLock() {
        if (FData) {
            GlobalUnlock(FMemory);
        }
    }
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;
    void* Data() const { return FData; }

private:
    HGLOBAL FMemory;
    void* FData;
};

} // namespace

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

TClipboard::~TClipboard() {
    if (FOpenCount > 0) {
        CloseClipboard();
    }
    DeallocateHWnd(FWindow);
}

HWND TClipboard::Window() {
    if (!FWindow) {
        FWindow = AllocateHWnd([this](TMessage& message) {
            message.Result = DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
        });
    }
    return FWindow;
}

void TClipboard::Open() {
    if (FOpenCount == 0) {
        HWND window = Window();
        int attempt = 1;
        while (!OpenClipboard(window)) {
            if (attempt++ == OpenAttempts) {
                throw rtl::EOSError(VclMessages::CannotOpenClipboard);
            }
            Sleep(OpenRetryMilliseconds);
        }
    }
    ++FOpenCount;
}

void TClipboard::Close() {
    if (FOpenCount == 0) {
        return;
    }
    if (--FOpenCount == 0) {
        CloseClipboard();
    }
}

void TClipboard::Clear() {
    const TClipboardOpening opening(*this);
    EmptyClipboard();
}

bool TClipboard::HasFormat(uint32_t format) const {
    return IsClipboardFormatAvailable(format) != FALSE;
}

void TClipboard::SetData(uint32_t format, const void* data, size_t bytes) {
    const TClipboardOpening opening(*this);
    EmptyClipboard();
    AddBytes(format, data, bytes);
}

void TClipboard::AddBytes(uint32_t format, const void* data, size_t bytes) {
    const TClipboardOpening opening(*this);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(bytes, 1));
    if (!memory) {
        throw rtl::EOSError(VclMessages::CannotSetClipboardData);
    }
    {
        const TGlobalLock lock(memory);
        if (lock.Data()) {
            std::memcpy(lock.Data(), data, bytes);
        }
    }
    AddHandle(format, memory, [](void* handle) { GlobalFree(handle); });
}

std::string TClipboard::AsBytes(uint32_t format) {
    const TClipboardOpening opening(*this);
    HGLOBAL memory = GetClipboardData(format);
    const TGlobalLock lock(memory);
    if (!lock.Data()) {
        return {};
    }
    return std::string(static_cast<const char*>(lock.Data()), GlobalSize(memory));
}

void* TClipboard::AsHandle(uint32_t format) {
    const TClipboardOpening opening(*this);
    return GetClipboardData(format);
}

void TClipboard::AddHandle(uint32_t format, void* handle, void (*freeHandle)(void*)) {
    const TClipboardOpening opening(*this);
    if (!SetClipboardData(format, handle)) {
        freeHandle(handle);
        throw rtl::EOSError(VclMessages::CannotSetClipboardData);
    }
}

std::string TClipboard::Data(uint32_t format, size_t charSize) {
    std::string bytes = AsBytes(format);
    bytes.resize(bytes.size() / charSize * charSize);
    const std::string zero(charSize, '\0');
    size_t length = 0;
    while (length < bytes.size() && std::memcmp(bytes.data() + length, zero.data(), charSize) != 0) {
        length += charSize;
    }
    bytes.resize(length);
    return bytes;
}

rtl::UnicodeString TClipboard::AsText() {
    const std::string bytes = Data(CF_UNICODETEXT, sizeof(char16_t));
    rtl::UnicodeString text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    return text;
}

void TClipboard::SetAsText(rtl::UnicodeStringView text) {
    const rtl::UnicodeString textZ(text);
    SetData(CF_UNICODETEXT, textZ.c_str(), (textZ.size() + 1) * sizeof(char16_t));
}

rtl::AnsiString TClipboard::AnsiText() {
    return Data(CF_TEXT, 1);
}

void TClipboard::SetAnsiText(std::string_view text) {
    const std::string textZ(text);
    SetData(CF_TEXT, textZ.c_str(), textZ.size() + 1);
}

} // namespace vcl
