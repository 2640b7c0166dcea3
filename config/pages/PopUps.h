#pragma once
// Answers to the configuration program's pop-ups (CPopDlg), given before the
// pop-up opens, as KeePassXC's MessageBox::setNextAnswer does. The program
// itself never sets one: tests use this to end a modal pop-up the way a user
// would, without a timer that looks for it.
//
// CPopDlg::DoModal takes the oldest queued answer as it opens; the answer runs
// on the pop-up once the pop-up's own event loop runs (the pop-up shown, its
// key capture or countdown started), as the user's hand would act. An answer
// normally ends with a click on one of the pop-up's buttons; a pop-up it
// leaves open stays open. Pop-ups opened from an answer (the nested surface
// analysis steps) take the next answers, in the order they open. A pop-up that
// opens with no answer queued gets the fallback answer when one is set, and
// waits for the user otherwise.
//
// GUI thread only.

#include <cstddef>
#include <functional>

namespace solune {

class CPopDlg;

class PopUps {
  public:
    using Answer = std::function<void(CPopDlg&)>;

    // Queues `answer` for the next pop-up that opens.
    static void SetNextAnswer(Answer answer);
    // The answer of every pop-up that opens with none queued; empty: none.
    static void SetFallbackAnswer(Answer answer);
    // Drops the queued answers and the fallback.
    static void Clear();
    // Queued answers that no pop-up has taken yet.
    static std::size_t PendingAnswers();

    // The answer for a pop-up that opens now: the oldest queued one, else the
    // fallback; empty when there is neither. Called by CPopDlg::DoModal.
    static Answer TakeAnswer();
};

}  // namespace solune
