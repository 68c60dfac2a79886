#pragma once

// Whether this build runs in a browser's WebAssembly (or in Node.js), where a
// sound's hold sleeps on the page's timer: the page's input waits until the
// hold ends, but Qt's own timers and posted calls run meanwhile.
#ifdef __EMSCRIPTEN__
inline constexpr bool kInBrowser = true;
#else
inline constexpr bool kInBrowser = false;
#endif
