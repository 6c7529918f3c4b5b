#pragma once

#include <QString>

// How the device page hands a picked key or mouse button to the key-function
// pages: the page number and feeding steps of every key-function id, the
// mouse picture's buttons, and the caption a page is given. Plain tables;
// the key-function id of a stored binding is selectionLists'.
namespace keyRouting {

// What the page does with a key-function id besides feeding its page what
// the page takes (transport and store, key, file paths, key names, device
// type, then its binding is loaded).
struct PageRoute
{
    int id;
    int pageNumber;         // kept as the page's current key-function page number
    bool onboardOffered;    // shown and fed in the on-board mode
    int softKeySelect;      // on-screen keyboard's select flag, -1: not set
    bool takesOnboardMode;  // told the mode after loading
};

// nullptr for an id outside 0..10.
const PageRoute *pageRoute(int id);

// The page number that stands for no page on the on-board key editor's
// reset: the reset page.
constexpr int kResetPageNumber = 10;
constexpr int kRemapPageNumber = 1;
constexpr int kCombinationPageNumber = 2;

// One button of the mouse picture.
struct MouseButton
{
    int index;           // argument of the picture's click signal
    int code;            // key code of the button's binding in the profile
    const char *caption; // source text, context "DMousePage"
    int slot;            // slot of the button assignment report, -1: none
};

constexpr int kMouseButtonCount = 8;
// nullptr for an index outside 0..7.
const MouseButton *mouseButton(int index);

// The caption a key-function page is given for a picked key: the key's
// caption without double quotes; the apostrophe key (52) always shows both
// of its characters.
QString keyCaption(int keyCode, const QString &text);

} // namespace keyRouting
