#pragma once

#include <string>

// The nested update brackets of an object that notifies its changes: a
// change made inside a bracket is held and told once, when the outermost
// bracket closes.
class TUpdateBrackets {
public:
    void Open() { ++depth_; }
    // Closes one bracket; true when a held change is now due. Raises
    // EUpdateError with the message when no bracket is open.
    bool Close(const std::string &unbalancedMessage);
    // Called on a change: true when it is to be told now, false when it is
    // held for the outermost close.
    bool TellNow();
    bool Inside() const { return depth_ > 0; }
    bool Held() const { return held_; }
    // Puts a held change back as it was, for work that is no change itself.
    void Restore(bool held) { held_ = held; }

private:
    int depth_ = 0;
    bool held_ = false;
};

// Runs fn inside one update bracket of object, closing the bracket also when
// fn fails, so that a change made before the failure is still told.
template <typename T, typename Fn> void WithinUpdate(T &object, Fn &&fn)
{
    object.BeginUpdate();
    try {
        fn();
    } catch (...) {
        object.EndUpdate();
        throw;
    }
    object.EndUpdate();
}
