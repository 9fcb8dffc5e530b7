#pragma once
// TuiDataListenerLink: a weak reference to a data controller. Code that runs handlers which may free the controller
// holds a link and asks it afterwards whether the controller still exists.

namespace ui {

class TuiCustomDataController;

class TuiDataListenerLink {
public:
    explicit TuiDataListenerLink(TuiCustomDataController& dataController);
    TuiDataListenerLink(const TuiDataListenerLink&) = delete;
    TuiDataListenerLink& operator=(const TuiDataListenerLink&) = delete;
    ~TuiDataListenerLink();

    // The controller, or nullptr once it is gone.
    TuiCustomDataController* DataController() const { return FDataController; }

private:
    friend class TuiCustomDataController;

    TuiCustomDataController* FDataController;
};

} // namespace ui
