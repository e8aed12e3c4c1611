#pragma once

// Without a usable audio device every sound call fails and reports it, the music's streaming
// thread thousands of times a second. On such a machine the program plays through OpenAL's
// silent device instead. Call before anything makes a sound object.
void useSilentAudioWithoutDevice();

// Whether the audio library can open its device with the current environment. Tried in a child
// process, with its messages discarded, so that this process's audio is not yet set up.
bool audioDeviceOpens();
