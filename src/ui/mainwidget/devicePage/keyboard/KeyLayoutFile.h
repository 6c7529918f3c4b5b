#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVector>

#include <array>

// A keyboard model's key-layout file "KeyInfo_<model>.config": a JSON text
// with the model header, six grid rows of 22 key cells (the position of a
// cell in its row array decides its grid cell), an optional row of side-light
// LEDs and an optional row of national keys without a grid cell.
//
// The reader never trusts the file, which users may edit in the configDir
// folder: cells past the 22nd of a row (or LEDs past the 60th) are skipped
// and logged, a missing number reads 0, a missing text reads empty, and
// nothing outside the 6 x 22 grid is ever addressed.
class KeyLayoutFile
{
public:
    static constexpr int RowCount = 6;
    static constexpr int ColumnCount = 22;
    // The lighting engine drives at most this many side LEDs.
    static constexpr int MaxSideLights = 60;
    // The Korean keys, whose captions are translated.
    static constexpr int HanjaKey = 145;
    static constexpr int HanYeongKey = 144;

    struct Header
    {
        QString keyboardIntroduction; // "104Key", "87Key", ...
        int sideLightHave = 0;
        int supportOnboard = 0;
        int specialEnterKey = 0;
        int showOnboardSelect = 0;
        int specialEnterKeyShape = 0;
        int sideLightNum = 0;
    };

    struct KeyCell
    {
        int posX = -1;
        int posY = -1;
        int width = 0;
        int height = 0;
        int dec = 0;   // USB HID usage; -10 Fn; 0 empty cell
        int qtDec = 0; // Windows virtual-key code; 999 Enter, 998 keypad Enter
        // The Character as printed JSON, quotes and escapes still in it,
        // decoded from GBK.
        QString rawCaption;
        // The caption users see (caption rule with its replacements).
        QString caption;
        // The cell is an object with PosX, PosY, Width, Height and Dec as
        // numbers and Character as a text; readers that must not guess a
        // broken cell's place or code check this.
        bool complete = false;

        bool isEmpty() const { return dec == 0; }
    };

    struct SideLight
    {
        int posX = 0; // may be negative: left of or above the picture
        int posY = 0;
        int width = 0;
        int height = 0;
        int index = 0;
        int validStatus = 0;
        int sidePosition = 0;
        QString mark;
    };

    KeyLayoutFile();

    static QString fileNameForModel(const QString &model);

    // Reads a whole layout file; false, with the reader's debug line, when it
    // cannot be opened.
    static bool readFile(const QString &path, QByteArray &text);
    // Reads a file; false (and nothing built) when it cannot be opened or is
    // not JSON.
    bool load(const QString &path);
    // Reads the model's layout by the read-only data file rule.
    bool loadModel(const QString &model);
    // Builds from a JSON text; false when it is not JSON.
    bool parse(const QByteArray &text);

    bool isLoaded() const { return m_loaded; }
    const Header &header() const { return m_header; }
    // Empty cell for any cell outside the grid.
    const KeyCell &cell(int row, int column) const;
    // Keys of the grid that are not empty.
    int keyCount() const;
    // Cells the file gives for a grid row (at most 22); the cells a short row
    // lacks are not in the file at all, unlike its written empty cells.
    int rowCellCount(int row) const;

    // sideLightHave is 1 (a side-light row in a file that says 0 is ignored).
    bool hasSideLights() const { return m_header.sideLightHave == 1; }
    // The side-light LEDs in file order; empty without side lights.
    const QVector<SideLight> &sideLights() const { return m_sideLights; }
    // National keys of the seventh row; they have no grid cell.
    const QVector<KeyCell> &extraKeys() const { return m_extraKeys; }

    bool hasSpecialEnter() const { return m_header.specialEnterKey == 1; }
    // Inner corner of the notched Enter's notch: (9, 23) for shape 0,
    // (10, 30) for shape 1.
    QPoint enterNotch() const;

    // Caption rule, step 1: the value printed as a JSON string.
    static QByteArray printedCharacter(const QByteArray &character);
    // Step 2: caption bytes are GBK whatever the system's code page.
    static QString decodeCaptionBytes(const QByteArray &bytes);
    // Step 3 and the replacements for 52 (and 504), 145 and 144.
    // translateKorean false keeps the 144 and 145 captions as written.
    static QString caption(const QString &rawCaption, int keyCode, bool translateKorean = true);

private:
    void clear();

    bool m_loaded = false;
    Header m_header;
    std::array<std::array<KeyCell, ColumnCount>, RowCount> m_cells;
    std::array<int, RowCount> m_rowCellCounts {};
    QVector<SideLight> m_sideLights;
    QVector<KeyCell> m_extraKeys;
};
