#include "platform/sound/SoundTestHook.h"

#include <utility>

namespace qby {

void SoundRecorder::UseClock(Now now, Advance advance)
{
    std::lock_guard lock(mutex_);
    now_ = std::move(now);
    advance_ = std::move(advance);
}

std::vector<RecordedSound> SoundRecorder::Sounds() const
{
    std::lock_guard lock(mutex_);
    return sounds_;
}

std::vector<std::string> SoundRecorder::Names() const
{
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    for (const RecordedSound& sound : sounds_) {
        const std::size_t slash = sound.resource.rfind('/');
        names.push_back(slash == std::string::npos ? sound.resource : sound.resource.substr(slash + 1));
    }
    return names;
}

void SoundRecorder::Clear()
{
    std::lock_guard lock(mutex_);
    sounds_.clear();
}

void SoundRecorder::Record(RecordedSound sound)
{
    Now now;
    Advance advance;
    {
        std::lock_guard lock(mutex_);
        now = now_;
        advance = advance_;
    }
    // The clock callbacks run without the lock, so they may look at the recorder themselves.
    if (now && advance) {
        sound.start = now();
        advance(sound.duration);
        sound.end = now();
    } else {
        std::lock_guard lock(mutex_);
        sound.start = ownClock_;
        ownClock_ += sound.duration;
        sound.end = ownClock_;
    }
    std::lock_guard lock(mutex_);
    sounds_.push_back(std::move(sound));
}

}  // namespace qby
