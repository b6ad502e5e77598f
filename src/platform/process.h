#pragma once
// The running process: where it lives, how it was started, starting another instance,
// ending, and letting pending window messages run.
#include <functional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/desktop.h"

namespace kz::platform {

class Process {
public:
    virtual ~Process() = default;

    // The folder of the running executable with a trailing backslash; computed once.
    virtual const std::string& applicationFolder() = 0;
    // The arguments only, without the executable's path, as typed (not lower-cased).
    virtual std::string commandLine() const = 0;
    // Starts a program; `commandLine` is the whole command line, executable path first.
    // False when the system could not start it.
    virtual bool start(std::string_view commandLine, ShowMode show) = 0;
    // Ends this process. On Windows it does not return. Elsewhere (the simulated desktop)
    // it closes the process's windows and returns, so callers return straight after it.
    virtual void end() = 0;
    virtual bool ended() const = 0;
    // Runs the window messages that are waiting: command texts, timers,
    // posted work. Handlers of this process may run inside it.
    virtual void processPendingMessages() = 0;
    // Runs `work` at a later turn of the message loop, after the current event handler
    // (a hook procedure, say) has returned (PostMessage to oneself).
    virtual void post(std::function<void()> work) = 0;
    // Sleeps until a message arrives or `maxMs` have passed (the simulated desktop moves
    // its clock on instead), so that waiting loops do not spin the processor.
    virtual void idle(unsigned maxMs) = 0;
    // Keeps the process out of the task list (RegisterServiceProcess where it exists).
    virtual void hideFromTaskList() = 0;
    // The start-up lock: one process of the program holds it at a time, so that start-ups
    // run one after another and each sees what the one before it left. Waits at most
    // `maxMs`, and less when a message arrives; true once this process holds it. It is let
    // go by releaseStartLock() or when the process ends, however it ends.
    virtual bool takeStartLock(unsigned maxMs) = 0;
    virtual void releaseStartLock() = 0;
};

// `wait`: processes pending messages until at least `seconds` have passed on `clock`.
// Negative or NaN durations return at once.
void Wait(Process& process, const Clock& clock, double seconds);

}  // namespace kz::platform
