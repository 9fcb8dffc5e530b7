// The skin-painter registry: names taken once, name order, owned data, listeners that come and go.

#include "ui/core/painters/uiPainterRegistry.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

class TSkinPainterA final : public TuiCustomLookAndFeelPainter {};
class TSkinPainterB final : public TuiCustomLookAndFeelPainter {};
const TSkinPainterA PainterA{};
const TSkinPainterB PainterB{};

// Skin data that tells when it is freed.
class TSkinData final : public rtl::TObject {
public:
    explicit TSkinData(bool& freed) : FFreed(freed) {}
    ~TSkinData() override { FFreed = true; }

private:
    bool& FFreed;
};

class TRegistryListener final : public IuiPainterRegistryClient {
public:
    TRegistryListener(int id, std::vector<int>& calls) : FId(id), FCalls(calls) {}
    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<IuiPainterRegistryClient>(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }
    void SkinPaintersChanged(TuiLookAndFeelPainterClass painter) override {
        FCalls.push_back(FId);
        LastPainter = painter;
        if (OnCall) {
            OnCall();
        }
    }

    TuiLookAndFeelPainterClass LastPainter = nullptr;
    std::function<void()> OnCall;

private:
    int FId;
    std::vector<int>& FCalls;
};

std::unique_ptr<rtl::TObject> Data(bool& freed) {
    return std::make_unique<TSkinData>(freed);
}

TEST(uiPainterRegistry, ANameIsTakenOnceWhateverItsCase) {
    TuiExtendedStylePainters registry;
    bool firstFreed = false;
    bool secondFreed = false;
    std::unique_ptr<rtl::TObject> first = Data(firstFreed);
    rtl::TObject* firstData = first.get();
    EXPECT_TRUE(registry.Register(u"Blue", &PainterA, first));
    EXPECT_EQ(first, nullptr) << "the registry took the data";
    std::unique_ptr<rtl::TObject> second = Data(secondFreed);
    EXPECT_FALSE(registry.Register(u"Blue", &PainterB, second));
    EXPECT_NE(second, nullptr) << "a refused registration leaves the data with the caller";

    TuiLookAndFeelPainterClass found = nullptr;
    EXPECT_TRUE(registry.FindPainter(u"BLUE", found));
    EXPECT_EQ(found, &PainterA);
    found = &PainterB;
    EXPECT_FALSE(registry.FindPainter(u"Green", found));
    EXPECT_EQ(found, &PainterB) << "untouched when not found";

    rtl::TObject* data = nullptr;
    EXPECT_TRUE(registry.DataOfPainter(&PainterA, data));
    EXPECT_EQ(data, firstData);
    EXPECT_FALSE(registry.DataOfPainter(&PainterB, data));
    EXPECT_EQ(data, nullptr);
    EXPECT_FALSE(secondFreed);
}

TEST(uiPainterRegistry, EntriesStayInNameOrder) {
    TuiExtendedStylePainters registry;
    bool freed = false;
    for (const char16_t* name : {u"UserSkin", u"Blue", u"Office2007Blue"}) {
        std::unique_ptr<rtl::TObject> data = Data(freed);
        registry.Register(name, &PainterA, data);
    }
    ASSERT_EQ(registry.Count(), 3);
    EXPECT_EQ(registry.Items(0).Name(), u"Blue");
    EXPECT_EQ(registry.Items(1).Name(), u"Office2007Blue");
    EXPECT_EQ(registry.Items(2).Name(), u"UserSkin");
    TuiExtendedStylePainterInfo* info = nullptr;
    EXPECT_EQ(registry.IndexOfName(u"userskin", info), 2);
    EXPECT_EQ(info, &registry.Items(2));
    EXPECT_EQ(registry.IndexOfName(u"Black", info), -1);
    EXPECT_EQ(info, nullptr);
}

TEST(uiPainterRegistry, UnregisteringFreesTheDataAndTellsTheListenersLastFirst) {
    TuiExtendedStylePainters registry;
    std::vector<int> calls;
    TRegistryListener first(1, calls);
    TRegistryListener second(2, calls);
    TRegistryListener third(3, calls);
    registry.AddListener(&first);
    registry.AddListener(&second);
    registry.AddListener(&second);
    registry.AddListener(&third);
    bool freed = false;
    std::unique_ptr<rtl::TObject> data = Data(freed);
    registry.Register(u"Blue", &PainterB, data);
    EXPECT_EQ(calls, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(first.LastPainter, &PainterB);

    // The second stops listening while it is told, and drops the first too.
    second.OnCall = [&] {
        registry.RemoveListener(&second);
        registry.RemoveListener(&first);
    };
    calls.clear();
    EXPECT_TRUE(registry.Unregister(u"BLUE"));
    EXPECT_TRUE(freed);
    EXPECT_EQ(calls, (std::vector<int>{3, 2}));
    EXPECT_EQ(registry.Count(), 0);
    EXPECT_FALSE(registry.Unregister(u"Blue"));
}

TEST(uiPainterRegistry, TheProcessHasOneRegistryWhileTheUICoreRuns) {
    ASSERT_NE(ExtendedStylePainters(), nullptr);
    TuiLookAndFeelPainterClass painter = nullptr;
    EXPECT_TRUE(ExtendedStylePainters()->FindPainter(u"Blue", painter)) << "the built-in skins are registered";
}

} // namespace
} // namespace ui
