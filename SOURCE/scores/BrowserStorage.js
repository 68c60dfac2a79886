// The browser's storage for the game's files (BrowserStorage.h): each file
// under "vorn:" and its path, its bytes as the characters of the same
// numbers. Loaded into the page's file system before the program starts.
Module.vornFiles = {
    prefix: 'vorn:',

    // null where the browser refuses storage to the page.
    storage() {
        try {
            return globalThis.localStorage || null;
        } catch (error) {
            return null;
        }
    },

    // The stored bytes, or null where none are stored or storage is refused.
    read(path) {
        const storage = this.storage();
        let text = null;
        try {
            text = storage && storage.getItem(this.prefix + path);
        } catch (error) {
            text = null;
        }
        if (text === null) return null;
        const bytes = new Uint8Array(text.length);
        for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
        return bytes;
    },

    // Replaces the stored bytes in one step; false, and the old ones kept,
    // where the browser refuses.
    store(path, bytes) {
        const storage = this.storage();
        if (!storage) return false;
        let text = '';
        for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
        try {
            storage.setItem(this.prefix + path, text);
            return true;
        } catch (error) {
            return false;
        }
    },

    // Puts the stored copy of path into the page's file system.
    load(path) {
        const bytes = this.read(path);
        if (bytes === null) return;
        try {
            FS.writeFile(path, bytes);
        } catch (error) {
            // A file the page cannot write stays as it is.
        }
    },

    loadAll() {
        const storage = this.storage();
        if (!storage) return;
        const paths = [];
        try {
            for (let i = 0; i < storage.length; ++i) {
                const key = storage.key(i);
                if (key && key.startsWith(this.prefix)) paths.push(key.slice(this.prefix.length));
            }
        } catch (error) {
            return;
        }
        for (const path of paths) this.load(path);
    },
};
Module.preRun = [].concat(Module.preRun || [], () => Module.vornFiles.loadAll());
