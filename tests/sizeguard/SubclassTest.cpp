// The private control Subclass and its module's table: hooking, taking a window over, routing
// messages to the owner's WndProc event, and unhooking at the window's last message.
#include "sizeguard/Subclass.h"
#include "sizeguard/modPRGMAIN.h"

#include "platform/forms/Forms.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace qby;

namespace {

constexpr UINT kPing = 0x0400;
constexpr UINT kOther = 0x0401;

// The window's own procedure as the hooks find it: it records what reaches it and answers
// 5000 plus the message number.
struct Reached {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LONG procedureInForce;
};
std::vector<Reached> g_reached;
LONG g_before = 0;

LRESULT EarlierProcedure(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_reached.push_back({msg, wParam, lParam, GetWindowLongA(hWnd, GWL_WNDPROC)});
    CallWindowProcA(g_before, hWnd, msg, wParam, lParam);
    return 5000 + static_cast<LRESULT>(msg);
}

std::vector<UINT> ReachedMessages()
{
    std::vector<UINT> messages;
    for (const Reached& r : g_reached) messages.push_back(r.msg);
    return messages;
}

class Watched : public Form {
public:
    Watched() : Form("frmWATCHED")
    {
        first.WndProc.Handle([this](LONG& m, WPARAM& w, LPARAM& l, LRESULT& r) { routed(first, "first", m, w, l, r); });
        second.WndProc.Handle([this](LONG& m, WPARAM& w, LPARAM& l, LRESULT& r) { routed(second, "second", m, w, l, r); });
    }

    Subclass first{this, "first"};
    Subclass second{this, "second"};
    std::vector<std::string> log;  // which owner got which message
    // What a handler does with a routed message (nothing when empty).
    std::function<void(Subclass&, LONG&, WPARAM&, LPARAM&, LRESULT&)> onMessage;

protected:
    void Layout(Design& d) override
    {
        d.Window({.Caption = "watched"});
        d.Add(first);
        d.Add(second);
    }

private:
    void routed(Subclass& owner, const char* name, LONG& m, WPARAM& w, LPARAM& l, LRESULT& r)
    {
        log.push_back(std::string(name) + " " + std::to_string(m) + " " + std::to_string(w) + " " +
                      std::to_string(l) + " " + std::to_string(r));
        if (onMessage) onMessage(owner, m, w, l, r);
    }
};

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_reached.clear();
        form.Load();
        window = form.hWnd();
        ASSERT_NE(window, 0);
        g_before = SetWindowLongA(window, GWL_WNDPROC, AddressOf(EarlierProcedure));
        ASSERT_NE(g_before, 0);
    }
    void TearDown() override
    {
        form.Unload();
        EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
    }

    static LONG Hooked() { return AddressOf(modPRGMAIN::WindowProc); }

    Watched form;
    HWND window = 0;
};

}  // namespace

TEST_F(SubclassTest, ASecondSubclassTakesTheWindowOverAndTheFirstOnesUnhookPutsTheOriginalBack)
{
    form.first.Messages(kPing, true);
    form.second.Messages(kPing, true);
    form.first.hWnd(window);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), Hooked());

    form.second.hWnd(window);
    ASSERT_EQ(modPRGMAIN::SubclassCount(), 1);
    EXPECT_EQ(modPRGMAIN::EntryAt(1).objOwner, &form.second);
    EXPECT_EQ(modPRGMAIN::EntryAt(1).lngOldWndProc, AddressOf(EarlierProcedure));  // not the first hook
    SendMessageA(window, kPing, 1, 2);
    EXPECT_EQ(form.log, (std::vector<std::string>{"second 1024 1 2 0"}));
    EXPECT_EQ(form.first.hWnd(), window);  // the earlier owner still names the window

    // The earlier owner moves on: its unhook removes the newer entry and restores the original.
    form.first.hWnd(0);
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), AddressOf(EarlierProcedure));
    EXPECT_EQ(form.second.hWnd(), window);
    EXPECT_EQ(SendMessageA(window, kPing, 3, 4), 5000 + kPing);
    EXPECT_EQ(form.log.size(), 1u);
    form.second.hWnd(0);  // finds no entry: nothing changes
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), AddressOf(EarlierProcedure));
}

TEST_F(SubclassTest, ARoutedMessageIsAnsweredByTheHandlerAloneWithExactlyItsResult)
{
    form.first.hWnd(window);
    form.first.Messages(kPing, true);
    form.onMessage = [](Subclass&, LONG&, WPARAM&, LPARAM&, LRESULT& result) { result = -1234; };
    EXPECT_EQ(SendMessageA(window, kPing, 7, 8), -1234);
    form.onMessage = nullptr;
    EXPECT_EQ(SendMessageA(window, kPing, 9, 10), 0);  // a handler that sets nothing answers 0
    EXPECT_EQ(form.log, (std::vector<std::string>{"first 1024 7 8 0", "first 1024 9 10 0"}));
    EXPECT_TRUE(g_reached.empty());

    // Any other message goes on to the earlier procedure unchanged, with its answer.
    EXPECT_EQ(SendMessageA(window, kOther, 11, -12), 5000 + kOther);
    ASSERT_EQ(g_reached.size(), 1u);
    EXPECT_EQ(g_reached[0].msg, kOther);
    EXPECT_EQ(g_reached[0].wParam, 11u);
    EXPECT_EQ(g_reached[0].lParam, -12);
    EXPECT_EQ(form.log.size(), 2u);

    // A handler may pass a routed message on itself.
    form.onMessage = [](Subclass& owner, LONG& m, WPARAM& w, LPARAM& l, LRESULT& result) {
        result = owner.CallWndProc(m, w, l) + 1;
    };
    EXPECT_EQ(SendMessageA(window, kPing, 0, 0), 5000 + kPing + 1);
    EXPECT_EQ(ReachedMessages(), (std::vector<UINT>{kOther, kPing}));

    // Taking the number off the list sends it to the earlier procedure again.
    form.first.Messages(kPing, false);
    EXPECT_EQ(SendMessageA(window, kPing, 0, 0), 5000 + kPing);
    EXPECT_EQ(form.log.size(), 3u);
}

TEST_F(SubclassTest, AHandlerMayUnhookAndSendFurtherMessagesWhileItRuns)
{
    form.first.hWnd(window);
    form.first.Messages(kPing, true);
    form.onMessage = [this](Subclass& owner, LONG&, WPARAM&, LPARAM&, LRESULT& result) {
        result = SendMessageA(window, kOther, 0, 0);  // nested: goes to the earlier procedure
        owner.hWnd(0);
    };
    EXPECT_EQ(SendMessageA(window, kPing, 0, 0), 5000 + kOther);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), AddressOf(EarlierProcedure));
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
    EXPECT_EQ(SendMessageA(window, kPing, 0, 0), 5000 + kPing);
}

TEST_F(SubclassTest, TheLastMessageIsPassedOnBeforeTheWindowIsUnhooked)
{
    form.first.hWnd(window);
    form.Unload();
    ASSERT_FALSE(g_reached.empty());
    EXPECT_EQ(g_reached.back().msg, WM_NCDESTROY);
    EXPECT_EQ(g_reached.back().procedureInForce, Hooked());  // still hooked while it is handled
    EXPECT_EQ(form.first.hWnd(), 0);
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
}

TEST_F(SubclassTest, ARoutedLastMessageGoesToTheHandlerAndStillEndsTheHook)
{
    form.first.hWnd(window);
    form.first.Messages(WM_NCDESTROY, true);
    form.Unload();
    ASSERT_EQ(form.log.size(), 1u);
    EXPECT_EQ(form.log[0].rfind("first 130 ", 0), 0u);
    for (const Reached& r : g_reached) EXPECT_NE(r.msg, WM_NCDESTROY);
    EXPECT_EQ(form.first.hWnd(), 0);
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
}

TEST_F(SubclassTest, TheTableKeepsHookOrderAndClosesUpOnUnhook)
{
    Watched other, third, fourth;
    other.Load();
    third.Load();
    fourth.Load();
    form.first.hWnd(window);
    other.first.hWnd(other.hWnd());
    third.first.hWnd(third.hWnd());
    form.second.hWnd(0);  // handle 0 hooks nothing
    ASSERT_EQ(modPRGMAIN::SubclassCount(), 3);
    EXPECT_EQ(modPRGMAIN::EntryAt(0).lngHwnd, 0);  // entry 0 is never used
    EXPECT_EQ(modPRGMAIN::EntryAt(1).lngHwnd, window);
    EXPECT_EQ(modPRGMAIN::EntryAt(2).lngHwnd, other.hWnd());
    EXPECT_EQ(modPRGMAIN::EntryAt(3).lngHwnd, third.hWnd());

    // Moving the middle hook to another window: the later entry moves down, the new one is last.
    other.first.hWnd(fourth.hWnd());
    ASSERT_EQ(modPRGMAIN::SubclassCount(), 3);
    EXPECT_EQ(modPRGMAIN::EntryAt(2).lngHwnd, third.hWnd());
    EXPECT_EQ(modPRGMAIN::EntryAt(3).lngHwnd, fourth.hWnd());
    EXPECT_EQ(modPRGMAIN::EntryAt(3).objOwner, &other.first);
    EXPECT_EQ(GetWindowLongA(other.hWnd(), GWL_WNDPROC), AddressOf(DefWindowProcA));

    // Windows that end leave the table.
    fourth.Unload();
    third.Unload();
    other.Unload();
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 1);
    EXPECT_EQ(modPRGMAIN::EntryAt(1).lngHwnd, window);
    EXPECT_EQ(other.first.hWnd(), 0);
}

TEST(SubclassMessages, ANumberIsListedOnceAndRemovingAnAbsentOneChangesNothing)
{
    Subclass control(nullptr, "Subclass");
    control.Messages(WM_GETMINMAXINFO, true);
    control.Messages(WM_GETMINMAXINFO, true);
    control.Messages(kPing, true);
    EXPECT_TRUE(control.Messages(WM_GETMINMAXINFO));
    control.Messages(WM_GETMINMAXINFO, false);  // one removal takes it off: it was listed once
    EXPECT_FALSE(control.Messages(WM_GETMINMAXINFO));
    control.Messages(kOther, false);
    EXPECT_TRUE(control.Messages(kPing));
    EXPECT_FALSE(control.Messages(kOther));
}

TEST(SubclassWithoutWindow, CallsNothingAndAnswersZero)
{
    Subclass control(nullptr, "Subclass");
    LONG msg = kPing;
    WPARAM wParam = 1;
    LPARAM lParam = 2;
    EXPECT_EQ(control.CallWndProc(msg, wParam, lParam), 0);
    EXPECT_EQ(control.hWnd(), 0);
    control.hWnd(0);
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
    // Messages for windows without an entry get 0, and no procedure runs.
    g_reached.clear();
    EXPECT_EQ(modPRGMAIN::WindowProc(987654, kPing, 0, 0), 0);
    EXPECT_EQ(modPRGMAIN::CallOldWndProc(987654, kPing, 0, 0), 0);
    EXPECT_TRUE(g_reached.empty());
}
