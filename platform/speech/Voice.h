// A speech back end: says texts asynchronously, in call order, and stops everything pending.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace speech {

// A back end that cannot speak (no speech service, synthesiser could not start).
struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Voice {
public:
    virtual ~Voice() = default;
    // Queues the text behind what is already queued and returns at once. Throws Error.
    virtual void Say(std::string_view text) = 0;
    // Cuts off the current text and everything queued. Throws Error.
    virtual void Stop() = 0;
    // Sets how fast the texts said from now on are spoken, as a percentage of the back end's
    // range (RatePercent). Until it is called the back end keeps its own rate. Throws Error.
    virtual void SetRate(int percent) = 0;
    // Queues what a screen reader would say about the windows, as Say does; back ends that
    // record calls tell it apart from the program's own texts.
    virtual void Announce(std::string_view text) { Say(text); }
};

// A speaking rate: 0 the slowest, 50 the back end's usual rate, 100 the fastest.
struct RatePercent {
    static constexpr int kSlowest = 0;
    static constexpr int kUsual = 50;
    static constexpr int kFastest = 100;
};

// The two readers the game knows, by their codes.
enum class Reader { Jfw, We };

// "JFW" or "WE".
std::string_view ReaderCode(Reader reader);

// Creates the back end for a reader, honouring VENTRA_SPEECH:
//   unset      "JFW" speaks through speech-dispatcher (connected in the background from the
//              first Say/Stop on; a failure to connect is thrown from a later call), "WE" through
//              eSpeak NG in-process (created here; a failure is thrown from here);
//   log:FILE   one line per call appended to FILE (see LogVoice.h);
//   none       silent;
//   other      throws Error.
// Destroying a voice waits at most about a second for a speech-dispatcher that does not answer.
std::unique_ptr<Voice> CreateVoice(Reader reader);

// A back end that hands each call to a callback (the headless trace; Stop passes an empty text);
// Fail(true) makes every call throw Error("Speech service unavailable"), as an unreachable speech
// service would.
class RecordingVoice : public Voice {
public:
    enum class Call { Say, Stop, Rate, Announce };
    explicit RecordingVoice(std::function<void(Call, std::string_view)> sink)
        : m_sink(std::move(sink)) {}
    void Say(std::string_view text) override;
    void Stop() override;
    // Passes the percent in decimal digits.
    void SetRate(int percent) override;
    void Announce(std::string_view text) override;
    void Fail(bool fail) { m_fail = fail; }

private:
    std::function<void(Call, std::string_view)> m_sink;
    bool m_fail = false;
};

}  // namespace speech
