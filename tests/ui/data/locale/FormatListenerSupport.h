#pragma once
// Listeners of the format controller that write down what they are told.

#include "ui/data/locale/uiFormats.h"

#include <functional>
#include <string>
#include <vector>

namespace ui_test {

class TRecordingFormatListener : public rtl::TNotCountedInterface, public ui::IuiFormatListener {
public:
    TRecordingFormatListener(std::string name, std::vector<std::string>& log) : FName(std::move(name)), FLog(log) {}

    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<ui::IuiFormatListener>(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    void FormatChanged() override {
        FLog.push_back(FName + " format");
        if (FOnFormatChanged) {
            FOnFormatChanged();
        }
    }

    // Runs after the notice is written down.
    std::function<void()> FOnFormatChanged;

protected:
    std::string FName;
    std::vector<std::string>& FLog;
};

// A listener that also wants to hear of changes of the system time.
class TRecordingTimeListener : public TRecordingFormatListener, public ui::IuiTimeChangeListener {
public:
    using TRecordingFormatListener::TRecordingFormatListener;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<ui::IuiFormatListener, ui::IuiTimeChangeListener>(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    void TimeChanged() override { FLog.push_back(FName + " time"); }
};

} // namespace ui_test
