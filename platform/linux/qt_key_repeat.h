// A held key on X11: by default the X server sends each repeat as a key-up and a key-down, and
// Qt tells them from a real key-up only by finding the key-down already queued behind it, which
// on a busy machine it often is not: a held Space then clicks while still held. Asked for
// "detectable" repeats, the server sends key-downs only and the one key-up when the key is let go.
#pragma once

namespace platform::linux_impl {

// Does nothing off X11 (the offscreen platform of the tests, Wayland).
void AskForKeyUpOnlyWhenLetGo();

}  // namespace platform::linux_impl
