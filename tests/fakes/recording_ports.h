// Front-end ports that record what they are given, and a clock that tests set.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/app_context.h"

namespace hexia::fakes {

class RecordingLog : public ProgressLog {
public:
    std::string text;
    int empties = 0;
    void Empty() override {
        text.clear();
        ++empties;
    }
    void Append(std::string_view appended) override { text += appended; }
};

class RecordingMessageBox : public MessageBoxDisplay {
public:
    struct Box {
        std::string title;
        std::string text;
    };
    std::vector<Box> shown;
    void Show(std::string_view title, std::string_view text) override {
        shown.push_back({std::string(title), std::string(text)});
    }
};

// Gives the queued ticks in turn, then keeps giving the last one.
class FakeClock : public Clock {
public:
    std::deque<std::int64_t> ticks;
    std::int64_t last = 0;
    int reads = 0;
    FakeClock(std::initializer_list<std::int64_t> queued = {}) : ticks(queued) {}
    std::int64_t TickCount() override {
        ++reads;
        if (!ticks.empty()) {
            last = ticks.front();
            ticks.pop_front();
        }
        return last;
    }
};

} // namespace hexia::fakes
