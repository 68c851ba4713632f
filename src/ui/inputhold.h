// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace lxp {

// Keeps one handler of the program from running inside another.
//
// A sound blocks the program for its length, and the sound operations let waiting
// window events run just before and after it; a dialog lets events run while it is
// being prepared. Without care, a click made meanwhile would run its handler in the
// middle of the handler that played the sound. While an InputHold exists, the
// learner's clicks, wheel turns and keys are held instead; timers, painting and the
// window system's own requests (a close box, say) still run. Held input is delivered,
// in the order it came, once the handler that was running when it came has finished:
// the event loop it was taken from runs again, outside any hold. Input aimed at a
// window that is no longer shown is dropped.
class InputHold {
public:
    InputHold();
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // Whether input is held now.
    static bool active();
    // How many inputs wait to be delivered.
    static int waiting();

    // When the learner made the input being handled now: for input the hold kept back,
    // the moment it came; for any other, now. A screen compares it with moments of its
    // own on the same clock (a new word shown, say) to tell input made before them.
    static std::chrono::steady_clock::time_point inputMadeAt();
};

// Marks a modal loop (a dialog shown modally) for the hold: input held inside it is
// delivered inside it, input held before it waits until it has ended.
class ModalLoopScope {
public:
    ModalLoopScope();
    ~ModalLoopScope();
    ModalLoopScope(const ModalLoopScope&) = delete;
    ModalLoopScope& operator=(const ModalLoopScope&) = delete;
};

} // namespace lxp
