// The life of a window: load, show, unload, reload, and what reaches the window system.
#include <gtest/gtest.h>

#include <functional>

#include "fake_window_system.h"
#include "ui/forms/forms.h"

namespace velkor {
namespace {

using Calls = std::vector<std::string>;

constexpr ControlDesign kControls[] = {
    {.name = "Label1", .caption = "Aus"},
    {.name = "Check1(0)", .kind = ControlKind::CheckBox, .caption = "Windows Herunterfahren"},
};
constexpr TimerDesign kTimers[] = {{.name = "Timer1", .intervalMs = 500, .enabled = true}};
constexpr FormDesign kFirst = {.name = "First", .caption = "Erstes"};
constexpr FormDesign kSecond = {.name = "Second", .caption = "Zweites"};

// A form whose handlers a test can script.
class ScriptedForm : public Form {
public:
    ScriptedForm(const FormDesign& design, fakes::FakeWindowSystem& log)
        : Form(design, kControls, kTimers), log_(log) {}
    std::function<void()> onLoad, onUnload;
    void Form_Load() override {
        log_.calls.push_back("Form_Load " + std::string(name()));
        if (onLoad) onLoad();
    }
    void Form_Unload(bool&) override {
        log_.calls.push_back("Form_Unload " + std::string(name()));
        if (onUnload) onUnload();
    }

private:
    fakes::FakeWindowSystem& log_;
};

struct FormsFixture : ::testing::Test {
    fakes::FakeWindowSystem windows;
    Forms forms{windows};
    ScriptedForm first{kFirst, windows};
    ScriptedForm second{kSecond, windows};
};

TEST_F(FormsFixture, ShowLoadsOnceThenOnlyBringsToFront) {
    forms.Show(first);
    forms.Show(first);
    EXPECT_EQ(windows.calls, (Calls{"create First", "Form_Load First", "show First", "front First"}));
    EXPECT_TRUE(first.Loaded());
    EXPECT_TRUE(first.timer("Timer1").Enabled());
}

TEST_F(FormsFixture, UnloadStopsTimersDestroysAndTheNextLoadStartsFromTheTable) {
    forms.Show(first);
    first.control("Label1").SetCaption("An");
    first.control("Label1").SetCaption("An");  // unchanged: nothing to repaint
    first.control("Check1(0)").SetValue(1);
    forms.Unload(first);
    EXPECT_EQ(windows.changes, (Calls{"Label1.Caption=An", "Check1(0).Value=1.000000",
                                      "Timer1.Enabled=0"}));
    EXPECT_FALSE(first.Loaded());
    EXPECT_FALSE(forms.AnyLoaded());

    forms.Load(first);
    EXPECT_EQ(first.control("Label1").Caption(), "Aus");
    EXPECT_EQ(first.control("Check1(0)").Value(), 0);
    EXPECT_TRUE(first.timer("Timer1").Enabled());
}

TEST_F(FormsFixture, ReloadFromInsideItsOwnLoadRunsTheNewLoadCompletelyFirst) {
    int loads = 0;
    first.onLoad = [&] {
        if (++loads > 1) return;
        forms.Unload(first);
        forms.Show(second);
        forms.Unload(second);
        forms.Show(first);
        windows.calls.push_back("outer load goes on");
    };
    forms.Show(first);
    EXPECT_EQ(windows.calls,
              (Calls{"create First", "Form_Load First", "Form_Unload First", "destroy First",
                     "create Second", "Form_Load Second", "show Second", "Form_Unload Second",
                     "destroy Second", "create First", "Form_Load First", "show First",
                     "outer load goes on", "front First"}));
    EXPECT_TRUE(first.Loaded());
    EXPECT_EQ(forms.LoadedForms(), std::vector<Form*>{&first});
}

TEST_F(FormsFixture, UnloadAllFromAFormsOwnUnloadEndsTheProgram) {
    forms.Show(first);
    forms.Show(second);
    first.onUnload = [&] { forms.UnloadAll(); };
    windows.calls.clear();
    forms.Unload(first);
    EXPECT_EQ(windows.calls, (Calls{"Form_Unload First", "Form_Unload Second", "destroy Second",
                                    "destroy First"}));
    EXPECT_FALSE(forms.AnyLoaded());
}

TEST_F(FormsFixture, StateAndEnablingReachTheWindowOnlyWhenTheyChange) {
    forms.Show(first);
    windows.calls.clear();
    forms.SetWindowState(first, WindowState::Minimized);
    forms.SetWindowState(first, WindowState::Minimized);
    forms.SetEnabled(first, false);
    forms.SetEnabled(first, true);
    forms.SetWindowState(second, WindowState::Minimized);  // not loaded: nothing happens
    EXPECT_EQ(windows.calls, (Calls{"minimise First", "disable First", "enable First"}));
}

}  // namespace
}  // namespace velkor
