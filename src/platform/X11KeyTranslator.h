#pragma once

#include <QHash>

// Turns X key codes into Windows virtual-key codes with the extended-key flag.
// The key's symbol in the current keymap decides first, as Windows follows the
// layout for letters and punctuation; keys whose symbol has no Windows code
// (another alphabet, AZERTY's digit row) fall back to their position on the
// keyboard (evdev key codes).
class X11KeyTranslator
{
public:
    struct WindowsKey
    {
        int vk = 0;            // 0: no Windows key
        bool extended = false;
    };

    static WindowsKey fromKeysym(unsigned long keysym);
    static WindowsKey fromPosition(int xKeycode);

    // The symbols of one key: unshifted and shifted (the keypad's digits).
    // The key is translated here, once per keymap, for both Num Lock states.
    void setKeysyms(int xKeycode, unsigned long plain, unsigned long shifted);
    void clear();

    // numLockOn picks the keypad's digits over its navigation keys.
    WindowsKey translate(int xKeycode, bool numLockOn) const;
    // Whether Num Lock changes the key's translation: only then need a caller
    // ask for the Num Lock state.
    bool followsNumLock(int xKeycode) const;

private:
    struct Keys
    {
        WindowsKey plain;
        WindowsKey numLock;
    };
    QHash<int, Keys> m_keys;
};
