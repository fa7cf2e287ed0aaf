// A lesson's try while it is being judged: from the click that judges it until its feedback box
// has closed and the next word or deal is set.
//
// The sounds of a try let waiting clicks run before the handler that judges it has returned.
// While a try is being judged the lesson ignores its answer, Next, New and Close buttons, so each
// try is judged once, with one box naming the word that was asked, and Close never leaves a
// half-judged try behind it.
#pragma once

class TryBeingJudged {
public:
    bool Active() const { return active_; }

    // Marks the try as being judged for the life of the returned scope.
    class Scope {
    public:
        explicit Scope(bool& active) : active_(active) { active_ = true; }
        ~Scope() { active_ = false; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        bool& active_;
    };
    [[nodiscard]] Scope Begin() { return Scope(active_); }

private:
    bool active_ = false;
};
