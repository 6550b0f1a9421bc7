// Test doubles of a control's host: a site that queues posted work until the test runs it and
// records resize requests and dialogs, and a drawing context that records what is drawn.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/automation/ControlSite.h"

namespace automation::test {

class TestSite : public ControlSite {
public:
    void Post(std::function<void()> work) override {
        std::lock_guard lock(m_mutex);
        m_posted.push_back(std::move(work));
    }
    bool RequestResize(int width, int height) override {
        resizes.push_back({width, height});
        return true;
    }
    std::uint32_t ShowModalDialog(const DialogResource& dialog) override {
        dialogs.push_back(&dialog);
        return IDOK;
    }
    bool UserMode() const override { return true; }

    // Runs what has been posted so far, in order; returns how many ran.
    int RunPosted() {
        std::deque<std::function<void()>> work;
        {
            std::lock_guard lock(m_mutex);
            work.swap(m_posted);
        }
        for (auto& item : work) {
            item();
        }
        return static_cast<int>(work.size());
    }

    std::vector<Size> resizes;
    std::vector<const DialogResource*> dialogs;

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_posted;
};

class RecordingContext : public DrawContext {
public:
    void Fill(const Rect& rect, Color) override { fills.push_back(rect); }
    void DrawBitmap(const Rect& rect, const BitmapResource& bitmap) override {
        bitmaps.push_back({rect, bitmap.id});
    }
    bool Empty() const { return fills.empty() && bitmaps.empty(); }

    struct Drawn {
        Rect rect;
        std::uint32_t id;
    };
    std::vector<Rect> fills;
    std::vector<Drawn> bitmaps;
};

}  // namespace automation::test
