// The fixture of the game tests: the program started as in every lesson test, the game opened as
// the menu opens it, and every modal box that comes up handed to the next of the actions a test
// has queued, so no test can wait for ever on a box.
#pragma once

#include "lessons_feedback/LessonFixture.h"

#include "platform/math/Random.h"
#include "shell/frmMAINMENU.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace gamestest {

class GamesFixture : public lessontest::LessonFixture {
protected:
    void SetUp() override
    {
        LessonFixture::SetUp();
        qby::test::OnModalShown([this](qby::Form& shown) { RunNextModalAction(shown); });
    }

    // The next modal window to come up is handed to `action` while it is up. A box that the
    // action leaves open is a failure and is closed.
    void OnNextModal(std::function<void(qby::Form&)> action) { modalActions_.push_back(std::move(action)); }
    std::size_t PendingModalActions() const { return modalActions_.size(); }

    // As the menu's button does: the menu closes, the lesson opens in the main window.
    static void OpenFromMenu(qby::Form& lesson)
    {
        frmMAINMENU->Unload();
        lesson.Show();
        qby::test::ProcessEvents();
    }

    // The menu is up and `lesson` is gone.
    static void ExpectBackAtTheMenu(qby::Form& lesson)
    {
        EXPECT_FALSE(lesson.IsLoaded());
        ASSERT_TRUE(frmMAINMENU->IsLoaded());
        EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
    }

private:
    void RunNextModalAction(qby::Form& shown)
    {
        if (modalActions_.empty()) {
            ADD_FAILURE() << "unexpected modal window " << shown.Name();
            shown.Unload();
            return;
        }
        auto action = std::move(modalActions_.front());
        modalActions_.pop_front();
        action(shown);
        if (shown.IsLoaded() && shown.IsModal()) {
            ADD_FAILURE() << "modal window " << shown.Name() << " left open";
            shown.Unload();
        }
    }

    std::deque<std::function<void(qby::Form&)>> modalActions_;
};

// The random numbers of a test, handed out in order in place of the generator. Numbers asked for
// past the end are counted (and are 0), so a test can tell that the window drew exactly what it
// planned.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> values = {})
        : values_(std::move(values)), scope_([this] { return Next(); })
    {
    }
    void Append(const std::vector<double>& more) { values_.insert(values_.end(), more.begin(), more.end()); }
    std::size_t Left() const { return values_.size() - next_; }
    std::size_t Overrun() const { return overrun_; }

    // The number that makes Int(n × r) give k.
    static double Giving(int k, int n) { return (k + 0.5) / n; }
    // The number that makes Chr(Int(26 × r) + 97) give this letter.
    static double Letter(char letter) { return Giving(letter - 'A', 26); }

private:
    double Next()
    {
        if (next_ < values_.size()) return values_[next_++];
        ++overrun_;
        return 0.0;
    }

    std::vector<double> values_;
    std::size_t next_ = 0;
    std::size_t overrun_ = 0;
    qby::ScopedRandomSource scope_;
};

}  // namespace gamestest
