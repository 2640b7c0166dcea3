#include "config/app/UnexpectedExitSave.h"

#include <cstdlib>
#include <mutex>

namespace solune {

namespace {

// The armed save and its owner; empty when none is armed. The owner pointer
// keeps an older object's destructor from disarming a newer one.
std::function<void()>& ArmedSave() {
    static std::function<void()>* save = new std::function<void()>();  // never destroyed: used at exit
    return *save;
}
const UnexpectedExitSave* g_owner = nullptr;

}  // namespace

UnexpectedExitSave::UnexpectedExitSave(std::function<void()> save) {
    static std::once_flag registered;
    std::call_once(registered, [] { std::atexit(&UnexpectedExitSave::RunAtExit); });
    ArmedSave() = std::move(save);
    g_owner = this;
}

UnexpectedExitSave::~UnexpectedExitSave() {
    Disarm();
}

void UnexpectedExitSave::Disarm() {
    if (g_owner == this) {
        ArmedSave() = nullptr;
        g_owner = nullptr;
    }
}

void UnexpectedExitSave::RunAtExit() {
    // Taken out first, so that a save which itself ends in exit() cannot run twice.
    std::function<void()> save = std::move(ArmedSave());
    ArmedSave() = nullptr;
    g_owner = nullptr;
    if (save) {
        save();
    }
}

}  // namespace solune
