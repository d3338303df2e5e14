#pragma once

#include <functional>
#include <string>

// A dataset whose records the caller walks through four events. A master
// data band bound to its name is printed once per record: First, then while
// Eof is false, the band and Next. Without OnCheckEOF the dataset is at its
// end at once; a missing move event does nothing.
class TfrUserDataset {
public:
    explicit TfrUserDataset(std::string name) : name_(std::move(name)) {}

    const std::string &Name() const { return name_; }

    void First()
    {
        if (OnFirst)
            OnFirst();
    }
    void Next()
    {
        if (OnNext)
            OnNext();
    }
    void Prior()
    {
        if (OnPrior)
            OnPrior();
    }
    bool Eof() const { return !OnCheckEOF || OnCheckEOF(); }

    std::function<void()> OnFirst;
    std::function<void()> OnNext;
    std::function<void()> OnPrior;
    std::function<bool()> OnCheckEOF;

private:
    std::string name_;
};
