// Where the sound player's voices play: the mixer in the game, a recorder in the tests. The player decides
// what plays, on which voice, how loud and where; an output only carries it out.
#pragma once

#include <span>

namespace Vorn {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // How many voices play at once; the player numbers them from 0.
    virtual int VoiceCount() const = 0;
    // Takes a sound's samples before any voice plays it; answers the handle Start plays it by, or -1 when
    // the output cannot hold it.
    virtual int AddSound(std::span<const float> samples) = 0;
    // Plays the handle's sound on the voice from its start, cutting what the voice played. Volume 0 to 1,
    // pan -1 (left) to 1 (right). False when nothing plays.
    virtual bool Start(int voice, int handle, float volume, float pan) = 0;
    virtual void Change(int voice, float volume, float pan) = 0;
    virtual void Stop(int voice) = 0;
    // Whether the voice still plays (a sound ends by itself).
    virtual bool IsPlaying(int voice) const = 0;
};

} // namespace Vorn
