// The fixture of the words lessons: the program started as for every lesson test, the random
// draws fixed by the test where it needs them, and every feedback box that comes up answered as
// the learner would (after letting some test time pass inside it).
#pragma once

#include "lessons_feedback/LessonFixture.h"

#include "core/modGLOBALS.h"
#include "core/modSETTINGS.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGCRT10.h"
#include "lessons/frmMSGWRONG.h"
#include "platform/math/Random.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lessontest {

class WordsFixture : public LessonFixture {
protected:
    void SetUp() override
    {
        LessonFixture::SetUp();
        strLanguage = "AMERICAN";
        random_ = std::make_unique<qby::ScopedRandomSource>([this] { return NextRandom(); });
    }

    void TearDown() override
    {
        EXPECT_TRUE(draws_.empty()) << draws_.size() << " fixed draws were not used";
        random_.reset();
        for (const std::string& name : replaced_) qby::RemoveAddedResource("DATA", name);
        strLanguage = "AMERICAN";
        objRegistry->StringSave(SettingsRootKey(), SettingsSubKey(), strSettingHelp, "ENGLISH");
        LessonFixture::TearDown();
    }

    // The random number that makes Int(n × Rnd) come out as `value`.
    static double Pick(int value, int n) { return (value + 0.5) / n; }
    // Fixes the next draws; once they are used up the draws are random again.
    void QueueDraws(std::initializer_list<double> draws) { draws_.insert(draws_.end(), draws); }
    bool DrawsUsedUp() const { return draws_.empty(); }

    // Draws for a deal of five word buttons from the subject's word list (all its words, in
    // table order): `dealt` go onto the buttons 0 to 4 in this order, then the asked word takes
    // the place of button `asked`. Each dealt word is found by its place in the shrinking list.
    void QueueDeal(std::vector<std::string> list, const std::vector<std::string>& dealt, int asked)
    {
        for (const std::string& word : dealt) {
            int index = 0;
            while (index < static_cast<int>(list.size()) && list[static_cast<std::size_t>(index)] != word) ++index;
            ASSERT_LT(index, static_cast<int>(list.size())) << word << " is not in the list";
            draws_.push_back(Pick(index, static_cast<int>(list.size())));
            list.erase(list.begin() + index);
        }
        draws_.push_back(Pick(asked, 5));
    }

    // What happened around the feedback boxes, in order: the names of the sounds played, and
    // "up:<box>" when a box came up, "text:<result line>" as it showed then.
    struct BoxLog {
        std::vector<std::string> events;
    };

    // From now on every feedback box that comes up is logged, lets `insideMs` of test time pass
    // (with `whileUp` run after that, the box still up) and is closed by its OK button.
    void AnswerBoxes(std::int64_t insideMs = 0, std::function<void(qby::Form&)> whileUp = {})
    {
        qby::test::OnModalShown([this, insideMs, whileUp](qby::Form& box) {
            Log(TakeSounds());
            log.events.push_back("up:" + box.Name());
            log.events.push_back("text:" + ResultLine(box));
            if (insideMs > 0) qby::TestClock::Advance(insideMs);
            Log(TakeSounds());
            if (whileUp) whileUp(box);
            if (picbtn* ok = OkButton(box)) Click(*ok);
            // Never leave a box up: the test would wait for ever.
            if (box.IsLoaded()) box.Unload();
        });
    }
    // The sounds played since the last box, added to the log; returns the log and starts anew.
    std::vector<std::string> TakeLog()
    {
        Log(TakeSounds());
        std::vector<std::string> events = std::move(log.events);
        log.events.clear();
        return events;
    }

    static void StoreHelpLanguage(const std::string& language)
    {
        ASSERT_TRUE(objRegistry->StringSave(SettingsRootKey(), SettingsSubKey(), strSettingHelp, language));
    }

    // The lines of a word table as the resource holds them (lines end with CR LF).
    static std::vector<std::string> TableLines(const std::string& name)
    {
        const std::vector<std::uint8_t> bytes = qby::LoadResData(name, "DATA");
        std::vector<std::string> lines;
        std::string line;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                lines.push_back(line);
                line.clear();
                ++i;
            } else {
                line += static_cast<char>(bytes[i]);
            }
        }
        return lines;
    }

    // Puts a table of these lines in place of the embedded one until the test ends.
    void ReplaceTable(const std::string& name, const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        qby::AddResource("DATA", name, std::vector<std::uint8_t>(text.begin(), text.end()));
        replaced_.push_back(name);
    }
    BoxLog log;

private:
    double NextRandom()
    {
        if (!draws_.empty()) {
            const double value = draws_.front();
            draws_.pop_front();
            return value;
        }
        // Random again, so a draw that repeats until it differs always ends.
        seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(seed_ >> 11) * 0x1.0p-53;
    }
    void Log(const std::vector<std::string>& sounds)
    {
        log.events.insert(log.events.end(), sounds.begin(), sounds.end());
    }

    static std::string ResultLine(qby::Form& box)
    {
        if (&box == &*frmMSGCRECT) return frmMSGCRECT->lblWordWas.Caption();
        if (&box == &*frmMSGWRONG) return frmMSGWRONG->lblWordWasfrmMSGWRONG.Caption();
        if (&box == &*frmMSGCRT10) return frmMSGCRT10->lblWordWas.Caption();
        return "";
    }
    static picbtn* OkButton(qby::Form& box)
    {
        if (&box == &*frmMSGCRECT) return &frmMSGCRECT->btnpOK;
        if (&box == &*frmMSGWRONG) return &frmMSGWRONG->btnpOK;
        if (&box == &*frmMSGCRT10) return &frmMSGCRT10->btnpOK;
        return nullptr;
    }

    std::deque<double> draws_;
    std::uint64_t seed_ = 0x2545F4914F6CDD1DULL;
    std::unique_ptr<qby::ScopedRandomSource> random_;
    std::vector<std::string> replaced_;
};

}  // namespace lessontest
