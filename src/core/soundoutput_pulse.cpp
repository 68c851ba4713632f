// SPDX-License-Identifier: GPL-3.0-or-later
// Sound output through a PulseAudio-compatible sound server (PulseAudio itself, or
// PipeWire's Pulse service on current desktops).
//
// The client runs its own small main loop on the calling thread, so a sound blocks the
// caller for exactly its length and nothing runs behind the program's back. The
// connection and the last stream stay open between sounds: the recordings share one
// format, and a sound of the same format starts without a round trip to the server.
// The stream is corked while idle so that it does not keep the device awake.
//
// The connection is made with autospawn switched off: the program never starts a
// sound daemon of its own. When no server answers, the failure is remembered for a
// few seconds so that each sound returns at once, and logged once per run.

#include "core/soundoutput.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QtGlobal>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

namespace lxp {
namespace {

constexpr qint64 kConnectTimeoutMs = 2000;
// How long a failed connection is remembered before the next attempt.
constexpr qint64 kFailureMemoryMs = 5000;
// How long past its own length a sound may take before the stream counts as stuck.
constexpr qint64 kStallMs = 2000;
// Samples held by the server ahead of the device.
constexpr pa_usec_t kBufferMs = 60;

void operationDrop(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

class PulseOutput final : public SoundOutput {
public:
    ~PulseOutput() override { disconnect(); }
    void play(const QByteArray& wav) override;
    std::chrono::steady_clock::time_point lastStart() const override { return m_lastStart; }

private:
    template <class Done> bool runUntil(Done done, qint64 timeoutMs);
    void pump();
    bool contextReady();
    bool streamReady(const pa_sample_spec& format);
    bool samplesWrite(const char* data, size_t size, size_t frame, qint64 timeoutMs);
    bool drain(qint64 timeoutMs);
    void streamClose();
    void disconnect();

    enum Warning { NoServer, NoStream, WarningCount };
    void warnOnce(Warning which, int error);

    pa_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_sample_spec m_format{};
    bool m_corked = false;
    bool m_playing = false;
    bool m_warned[WarningCount] = {};
    QElapsedTimer m_sinceFailure; // valid while a failed connection is remembered
    std::chrono::steady_clock::time_point m_lastStart;
};

// Runs the client's main loop until `done()` holds; false on timeout or loop failure.
template <class Done> bool PulseOutput::runUntil(Done done, qint64 timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        const int timeoutUs = int(qMin<qint64>(left, 1000) * 1000);
        if (pa_mainloop_prepare(m_loop, timeoutUs) < 0 || pa_mainloop_poll(m_loop) < 0 ||
            pa_mainloop_dispatch(m_loop) < 0)
            return false;
    }
    return true;
}

// Handles whatever the server sent while the program was not playing (a lost
// connection, for instance) and sends what is queued, without waiting.
void PulseOutput::pump()
{
    if (!m_loop)
        return;
    for (int i = 0; i < 64 && pa_mainloop_iterate(m_loop, 0, nullptr) > 0; ++i) {
    }
}

bool PulseOutput::contextReady()
{
    if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return true;
    disconnect();
    if (m_sinceFailure.isValid() && m_sinceFailure.elapsed() < kFailureMemoryMs)
        return false;
    m_sinceFailure.invalidate();

    m_loop = pa_mainloop_new();
    if (m_loop) {
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Lexipond");
        // The desktop id names the program's icon and menu entry, so the sound
        // server's mixer shows the same icon as the window.
        const QByteArray desktopId = QGuiApplication::desktopFileName().toUtf8();
        if (!desktopId.isEmpty()) {
            pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, desktopId.constData());
            pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, desktopId.constData());
        }
        m_context =
            pa_context_new_with_proplist(pa_mainloop_get_api(m_loop), "Lexipond", properties);
        pa_proplist_free(properties);
    }
    const auto settled = [this] {
        const pa_context_state_t state = pa_context_get_state(m_context);
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    };
    if (m_context && pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        runUntil(settled, kConnectTimeoutMs) && pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return true;

    warnOnce(NoServer, m_context ? pa_context_errno(m_context) : PA_ERR_INTERNAL);
    disconnect();
    m_sinceFailure.start();
    return false;
}

bool PulseOutput::streamReady(const pa_sample_spec& format)
{
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY &&
        pa_sample_spec_equal(&m_format, &format))
        return true;
    streamClose();

    m_stream = pa_stream_new(m_context, "Lexipond", &format, nullptr);
    const auto settled = [this] {
        const pa_stream_state_t state = pa_stream_get_state(m_stream);
        return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
    };
    // A short target buffer: the server asks for the samples as it plays them, so a
    // sound is heard soon after it is written and the drain ends soon after it ends.
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(kBufferMs * PA_USEC_PER_MSEC, &format));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (m_stream &&
        pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) >= 0 &&
        runUntil(settled, kConnectTimeoutMs) && pa_stream_get_state(m_stream) == PA_STREAM_READY) {
        m_format = format;
        m_corked = false;
        return true;
    }
    warnOnce(NoStream, pa_context_errno(m_context));
    streamClose();
    return false;
}

bool PulseOutput::samplesWrite(const char* data, size_t size, size_t frame, qint64 timeoutMs)
{
    const auto roomOrFailure = [this, frame] {
        return pa_stream_get_state(m_stream) != PA_STREAM_READY ||
               pa_stream_writable_size(m_stream) >= frame;
    };
    while (size > 0) {
        if (pa_stream_get_state(m_stream) != PA_STREAM_READY)
            return false;
        size_t room = pa_stream_writable_size(m_stream);
        if (room == size_t(-1))
            return false;
        room -= room % frame;
        if (room == 0) {
            if (!runUntil(roomOrFailure, timeoutMs))
                return false;
            continue;
        }
        const size_t chunk = qMin(room, size);
        if (pa_stream_write(m_stream, data, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return false;
        if (m_lastStart == std::chrono::steady_clock::time_point())
            m_lastStart = std::chrono::steady_clock::now();
        data += chunk;
        size -= chunk;
    }
    return true;
}

// Waits until the server has played everything written.
bool PulseOutput::drain(qint64 timeoutMs)
{
    struct Result {
        bool done = false;
        bool success = false;
    } result;
    pa_operation* operation = pa_stream_drain(
        m_stream,
        [](pa_stream*, int success, void* userdata) {
            auto* r = static_cast<Result*>(userdata);
            r->done = true;
            r->success = success != 0;
        },
        &result);
    if (!operation)
        return false;
    runUntil([&] { return result.done || pa_stream_get_state(m_stream) != PA_STREAM_READY; },
             timeoutMs);
    if (!result.done)
        pa_operation_cancel(operation); // the callback must not run after `result` is gone
    pa_operation_unref(operation);
    return result.done && result.success;
}

void PulseOutput::play(const QByteArray& wav)
{
    m_lastStart = {};
    if (m_playing)
        return; // the device is busy with another sound of this program

    const std::optional<WavSound> sound = WavSoundRead(wav);
    if (!sound || sound->dataSize == 0)
        return;
    pa_sample_spec sampleFormat;
    sampleFormat.format = sound->bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = uint32_t(sound->sampleRate);
    sampleFormat.channels = uint8_t(sound->channels);
    if (!pa_sample_spec_valid(&sampleFormat))
        return;

    m_playing = true;
    pump();
    if (contextReady() && streamReady(sampleFormat)) {
        if (m_corked) {
            operationDrop(pa_stream_cork(m_stream, 0, nullptr, nullptr));
            m_corked = false;
        }
        const qint64 timeoutMs = sound->durationMs() + kStallMs;
        const bool played =
            samplesWrite(wav.constData() + sound->dataOffset, size_t(sound->dataSize),
                         size_t(sound->frameSize()), timeoutMs) &&
            drain(timeoutMs);
        if (played) {
            operationDrop(pa_stream_cork(m_stream, 1, nullptr, nullptr));
            m_corked = true;
            pump();
        } else {
            streamClose(); // a stuck or broken stream is not used again
        }
    }
    m_playing = false;
}

void PulseOutput::streamClose()
{
    if (!m_stream)
        return;
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
    m_corked = false;
}

void PulseOutput::disconnect()
{
    streamClose();
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    if (m_loop) {
        pa_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

void PulseOutput::warnOnce(Warning which, int error)
{
    if (m_warned[which])
        return;
    m_warned[which] = true;
    if (which == NoServer)
        qWarning("No sound: no sound server could be reached (%s); sounds are not played.",
                 pa_strerror(error));
    else
        qWarning("No sound: the sound server refused a playback stream (%s).", pa_strerror(error));
}

} // namespace

SoundOutput& platformSoundOutput()
{
    static PulseOutput output;
    return output;
}

} // namespace lxp
