// frmLESSPAIR: the matching-pairs game. Twelve face-down cards hold six word pictures, each on
// two cards; the learner turns two per try. A pair stays face up in a yellow frame after the
// right-answer box; two different words are shown side by side in the wrong-answer box and turn
// back. After the sixth pair the play-again box deals a new game in place or returns to the menu.
#pragma once

#include "controls/picbtn.h"
#include "lessons/TryBeingJudged.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <string>

class frmLESSPAIR_Form : public qby::Form {
public:
    frmLESSPAIR_Form();

    qby::Label lblMatchPairs{this, "lblMatchPairs"};  // the title's black shadow
    qby::Label lblMATCH{this, "lblMATCH"};            // the title, light blue, above it
    qby::Label lblCLICKCARDS{this, "lblCLICKCARDS"};
    // The cards; imgMATCH(i), inside picCARD(i), is the card's face and holds its word as Tag.
    qby::ControlArray<qby::PictureBox> picCARD{this, "picCARD"};
    qby::ControlArray<qby::Image> imgMATCH{this, "imgMATCH"};
    qby::ListBox lstLIST{this, "lstLIST"};  // outside the client area: the words of a deal
    qby::Timer tmrTimer1{this, "tmrTimer1"};  // speaks the found word once
    picbtn btnpEXIT{this, "btnpEXIT"};
    picbtn btnpNEW{this, "btnpNEW"};

    // The form's variables, for a look from outside.
    std::int16_t Clicks() const { return intClicks; }
    std::int16_t PairsFound() const { return intPairsFound; }
    const std::string& FoundWord() const { return strFoundWord; }

protected:
    void Layout(qby::Design& d) override;  // frmLESSPAIR_Layout.cpp
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

private:
    void DealCards();
    void DealFirstCopies();
    void DealSecondCopies();
    bool IsListed(const std::string& word);
    void TurnAllFaceDown();
    void TurnFaceDown(int Index);
    bool IsTurned(int Index);
    void JudgePair(int first, int second);
    void JudgeMismatch(int first, int second);

    void picCARD_Click(int Index);
    void tmrTimer1_Timer();
    void btnpNEW_Click();
    void btnpEXIT_Click();
    // What Exit does, also for every other way of closing; not refused while a try is judged.
    void ReturnToMenu();

    std::int16_t intClicks = 0;      // cards turned in this try: 0, 1 or 2
    std::int16_t intPairsFound = 0;  // pairs found in this game: 0 to 6
    std::string strFoundWord;        // the second card's word of the last judged try
    TryBeingJudged judging;
};

inline qby::DefaultInstance<frmLESSPAIR_Form> frmLESSPAIR;
