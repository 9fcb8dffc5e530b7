#pragma once
// Hit tests: which element of a grid lies at a point. One shared instance per hit-test class lives in a registry from
// the grid unit's start-up to its shut-down; Instance<T>(point) hands out T's instance moved to point, so a hit test
// is valid only until the next one of the same class (callers copy what they keep with Assign).

#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <typeindex>

namespace ui {

class TuiCustomGridCellViewInfo;
class TuiCustomGridView;

class TuiCustomGridHitTest {
public:
    TuiCustomGridHitTest() = default;
    virtual ~TuiCustomGridHitTest();
    TuiCustomGridHitTest(const TuiCustomGridHitTest&) = delete;
    TuiCustomGridHitTest& operator=(const TuiCustomGridHitTest&) = delete;

    // The shared instance of THitTest (made on first request) with its Pos set to point; the registry must be
    // started.
    template <class THitTest>
    static THitTest& Instance(vcl::TPoint point) {
        auto& hitTest = static_cast<THitTest&>(
            RegisteredInstance(typeid(THitTest), [] { return std::unique_ptr<TuiCustomGridHitTest>(new THitTest); }));
        hitTest.SetPos(point);
        return hitTest;
    }

    // Copies Pos and the cell from source; nothing for nullptr.
    virtual void Assign(const TuiCustomGridHitTest* source);
    virtual int32_t GetHitTestCode() const { return -1; }
    virtual vcl::TCursor Cursor() const { return 0; }

    vcl::TPoint Pos() const { return FPos; }
    void SetPos(vcl::TPoint value) { FPos = value; }
    TuiCustomGridCellViewInfo* ViewInfo() const { return FViewInfo; }
    // Unlinks the old cell when it named this hit test and links the new one.
    void SetViewInfo(TuiCustomGridCellViewInfo* value);

private:
    friend class TuiCustomGridCellViewInfo;
    using TFactory = std::unique_ptr<TuiCustomGridHitTest> (*)();
    static TuiCustomGridHitTest& RegisteredInstance(std::type_index type, TFactory factory);

    vcl::TPoint FPos;
    TuiCustomGridCellViewInfo* FViewInfo = nullptr; // not owned
};

class TuiCustomGridViewHitTest : public TuiCustomGridHitTest {
public:
    void Assign(const TuiCustomGridHitTest* source) override;
    TuiCustomGridView* GridView() const { return FGridView; }
    void SetGridView(TuiCustomGridView* value) { FGridView = value; }

private:
    TuiCustomGridView* FGridView = nullptr; // not owned
};

// Outside every view.
class TuiGridNoneHitTest : public TuiCustomGridHitTest {
public:
    int32_t GetHitTestCode() const override { return 0; }
};

// Inside a view where no element is.
class TuiGridViewNoneHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 0; }
};

// The shared instances live from the grid unit's start-up to its shut-down.
void StartGridHitTests();
void FinishGridHitTests();

} // namespace ui
