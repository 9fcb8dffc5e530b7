#pragma once
// TuiFlagGuard: sets a flag for its lifetime and clears it at the end, also when an exception passes; how an operation
// marks itself running so that it is not entered again.

namespace ui {

class TuiFlagGuard {
public:
    explicit TuiFlagGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TuiFlagGuard() { FFlag = false; }
    TuiFlagGuard(const TuiFlagGuard&) = delete;
    TuiFlagGuard& operator=(const TuiFlagGuard&) = delete;

private:
    bool& FFlag;
};

} // namespace ui
