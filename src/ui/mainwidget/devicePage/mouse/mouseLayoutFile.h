#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// One button entry of the mouse layout file: the leader line's start (on the
// button), bend and end (beside the label), in page pixels of the buttons page.
struct mouseButtonInfo
{
    int PosX01 = 0;
    int PosY01 = 0;
    int PosX02 = 0;
    int PosY02 = 0;
    int PosX03 = 0;
    int PosY03 = 0;
    int Index = 0; // button number 0..7; other values place no label
    int Dec = 0;
    int qtDec = 0;
    char Character[64] = {}; // English name, cut on a UTF-8 boundary
};

// One LED entry: the dot's top-left corner and size on the lighting page.
// An LED that is not drawn has size 0 x 0 at (-1, -1).
struct mouseLedInfo
{
    int PosX = -1;
    int PosY = -1;
    int Width = 0;
    int Height = 0;
    int Index = 0;
    int validStatus = 0;
    int SidePosition = 0;
};

// The mouse layout file "mouseInfo_<model>.config", read straight from the
// resource tree: the label size and the X/Y flag ("Mouse"), the buttons
// ("EveryKeyInfo_Row00") and the LEDs ("EveryKeyInfo_MouseLight0").
//
// The file is not trusted: every flaw is logged with the file and the entry,
// and handled so the pages stay usable. A "Mouse" key that is missing keeps
// its default; a button entry that is incomplete or not an object is
// skipped; an LED entry that is incomplete stays as an undrawn LED, because
// the lighting engine addresses LEDs by their position in the list; LEDs
// past the mouse's 18 are dropped.
class mouseLayoutFile
{
public:
    static constexpr int DefaultLabelWidth = 110;
    static constexpr int DefaultLabelHeight = 20;
    static constexpr int DefaultSupportEnableXY = 1;
    static constexpr int MaxLeds = 18;
    // A file may list more buttons than the mouse has, but not without end.
    static constexpr int MaxButtonEntries = 64;

    static QString fileNameForModel(const QString &model);
    // A model name can only name a file of the layout folder when it is one
    // plain file-name component.
    static bool isPlainModelName(const QString &model);

    // Reads ":/images/configDir/mouseInfo_<model>.config"; false (nothing
    // loaded) when the name is not plain, the file is missing or not JSON.
    bool loadModel(const QString &model);
    // Builds from a JSON text; source names it in the warnings.
    bool parse(const QByteArray &text, const QString &source);

    bool isLoaded() const { return m_loaded; }
    int labelWidth() const { return m_labelWidth; }
    int labelHeight() const { return m_labelHeight; }
    int supportEnableXY() const { return m_supportEnableXY; }
    // In file order, duplicates included.
    const QList<mouseButtonInfo> &buttons() const { return m_buttons; }
    // By Index; a later entry with the same Index replaces an earlier one.
    const QMap<int, mouseButtonInfo> &buttonsByIndex() const { return m_buttonsByIndex; }
    // In file order, one per LED.
    const QList<mouseLedInfo> &leds() const { return m_leds; }

private:
    void clear();

    bool m_loaded = false;
    int m_labelWidth = DefaultLabelWidth;
    int m_labelHeight = DefaultLabelHeight;
    int m_supportEnableXY = DefaultSupportEnableXY;
    QList<mouseButtonInfo> m_buttons;
    QMap<int, mouseButtonInfo> m_buttonsByIndex;
    QList<mouseLedInfo> m_leds;
};
