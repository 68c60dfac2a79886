// Qt for WebAssembly asks the browser's navigator for the user's languages
// (its system locale); Node.js 20 has no navigator.
globalThis.navigator ??= {language: 'en-US', languages: ['en-US']};
