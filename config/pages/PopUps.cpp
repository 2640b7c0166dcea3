#include "config/pages/PopUps.h"

#include <deque>
#include <utility>

namespace solune {

namespace {

struct Answers {
    std::deque<PopUps::Answer> queued;
    PopUps::Answer fallback;
};

Answers& TheAnswers() {
    static Answers answers;
    return answers;
}

}  // namespace

void PopUps::SetNextAnswer(Answer answer) {
    TheAnswers().queued.push_back(std::move(answer));
}

void PopUps::SetFallbackAnswer(Answer answer) {
    TheAnswers().fallback = std::move(answer);
}

void PopUps::Clear() {
    TheAnswers() = Answers{};
}

std::size_t PopUps::PendingAnswers() {
    return TheAnswers().queued.size();
}

PopUps::Answer PopUps::TakeAnswer() {
    Answers& answers = TheAnswers();
    if (answers.queued.empty()) {
        return answers.fallback;
    }
    Answer next = std::move(answers.queued.front());
    answers.queued.pop_front();
    return next;
}

}  // namespace solune
