#include "KeyLayoutFile.h"

#include "ReadOnlyDataFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QTextCodec>

#include <cjson/cJSON.h>

#include <memory>

namespace {

constexpr char kHeaderName[] = "Keyboard";
constexpr char kRowNamePrefix[] = "EveryKeyInfo_Row0";
constexpr int kSideLightRow = 0;
constexpr int kExtraKeyRow = 7;
// Extra keys are only listed, but a hostile file must not grow them forever.
constexpr int kMaxExtraKeys = 64;

constexpr int kApostropheKey = 52;
constexpr int kApostropheKeyAlias = 504;

struct JsonDeleter
{
    void operator()(cJSON *item) const { cJSON_Delete(item); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

int readInt(const cJSON *object, const char *name)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, name);
    return cJSON_IsNumber(item) ? item->valueint : 0;
}

QByteArray readText(const cJSON *object, const char *name)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, name);
    return cJSON_IsString(item) && item->valuestring ? QByteArray(item->valuestring) : QByteArray();
}

QByteArray rowName(int row)
{
    return QByteArray(kRowNamePrefix) + QByteArray::number(row);
}

// Keys and side lights are placed on the picture alike.
template <typename Placed>
void readPlacement(const cJSON *object, Placed &placed)
{
    placed.posX = readInt(object, "PosX");
    placed.posY = readInt(object, "PosY");
    placed.width = readInt(object, "Width");
    placed.height = readInt(object, "Height");
}

bool hasNumber(const cJSON *object, const char *name)
{
    return cJSON_IsNumber(cJSON_GetObjectItemCaseSensitive(object, name));
}

bool isCompleteCell(const cJSON *object)
{
    return cJSON_IsObject(object) && hasNumber(object, "PosX") && hasNumber(object, "PosY")
        && hasNumber(object, "Width") && hasNumber(object, "Height") && hasNumber(object, "Dec")
        && cJSON_IsString(cJSON_GetObjectItemCaseSensitive(object, "Character"));
}

KeyLayoutFile::KeyCell readKeyCell(const cJSON *object)
{
    KeyLayoutFile::KeyCell cell;
    cell.complete = isCompleteCell(object);
    readPlacement(object, cell);
    cell.dec = readInt(object, "Dec");
    cell.qtDec = readInt(object, "qtDec");
    const QByteArray printed = KeyLayoutFile::printedCharacter(readText(object, "Character"));
    cell.rawCaption = KeyLayoutFile::decodeCaptionBytes(printed);
    cell.caption = KeyLayoutFile::caption(cell.rawCaption, cell.dec);
    return cell;
}

KeyLayoutFile::SideLight readSideLight(const cJSON *object)
{
    KeyLayoutFile::SideLight light;
    readPlacement(object, light);
    light.index = readInt(object, "Index");
    light.validStatus = readInt(object, "validStatus");
    light.sidePosition = readInt(object, "SidePosition");
    light.mark = QString::fromLatin1(readText(object, "Mark"));
    return light;
}

const cJSON *rowArray(const cJSON *root, int row)
{
    const cJSON *array = cJSON_GetObjectItemCaseSensitive(root, rowName(row).constData());
    return cJSON_IsArray(array) ? array : nullptr;
}

} // namespace

KeyLayoutFile::KeyLayoutFile() = default;

QString KeyLayoutFile::fileNameForModel(const QString &model)
{
    return QStringLiteral("KeyInfo_") + model + QStringLiteral(".config");
}

void KeyLayoutFile::clear()
{
    m_loaded = false;
    m_header = Header();
    for (auto &row : m_cells)
        row.fill(KeyCell());
    m_rowCellCounts.fill(0);
    m_sideLights.clear();
    m_extraKeys.clear();
}

bool KeyLayoutFile::readFile(const QString &path, QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return false;
    }
    text = file.readAll();
    return true;
}

bool KeyLayoutFile::load(const QString &path)
{
    QByteArray text;
    if (!readFile(path, text)) {
        clear();
        return false;
    }
    return parse(text); // parse starts from an empty layout
}

bool KeyLayoutFile::loadModel(const QString &model)
{
    const ReadOnlyDataFile file(fileNameForModel(model));
    return load(file.path());
}

bool KeyLayoutFile::parse(const QByteArray &text)
{
    clear();
    const JsonPtr root(cJSON_ParseWithLength(text.constData(), size_t(text.size())));
    if (!root || !cJSON_IsObject(root.get()))
        return false;

    const cJSON *header = cJSON_GetObjectItemCaseSensitive(root.get(), kHeaderName);
    if (cJSON_IsObject(header)) {
        m_header.keyboardIntroduction = QString::fromLatin1(readText(header, "KeyboardIntroduction"));
        m_header.sideLightHave = readInt(header, "sideLightHave");
        m_header.supportOnboard = readInt(header, "supportOnboard");
        m_header.specialEnterKey = readInt(header, "specialEnterKey");
        m_header.showOnboardSelect = readInt(header, "showOnboardSelect");
        m_header.specialEnterKeyShape = readInt(header, "specialEnterKeyShape");
        m_header.sideLightNum = readInt(header, "sideLightNum");
    }

    for (int row = 0; row < RowCount; ++row) {
        const cJSON *array = rowArray(root.get(), row + 1);
        if (!array)
            continue;
        const int count = cJSON_GetArraySize(array);
        if (count > ColumnCount)
            qWarning().noquote() << QStringLiteral("Key layout row %1 has %2 cells; cells past %3 are ignored")
                                        .arg(row + 1).arg(count).arg(ColumnCount);
        int column = 0;
        for (const cJSON *item = array->child; item && column < ColumnCount; item = item->next)
            m_cells[row][column++] = readKeyCell(item);
        m_rowCellCounts[row] = column;
    }

    if (hasSideLights()) {
        if (const cJSON *array = rowArray(root.get(), kSideLightRow)) {
            const int count = cJSON_GetArraySize(array);
            if (count > MaxSideLights)
                qWarning().noquote() << QStringLiteral("Key layout has %1 side lights; lights past %2 are ignored")
                                            .arg(count).arg(MaxSideLights);
            for (const cJSON *item = array->child; item && m_sideLights.size() < MaxSideLights; item = item->next)
                m_sideLights.append(readSideLight(item));
        }
    }

    if (const cJSON *array = rowArray(root.get(), kExtraKeyRow)) {
        for (const cJSON *item = array->child; item && m_extraKeys.size() < kMaxExtraKeys; item = item->next)
            m_extraKeys.append(readKeyCell(item));
    }

    m_loaded = true;
    return true;
}

const KeyLayoutFile::KeyCell &KeyLayoutFile::cell(int row, int column) const
{
    static const KeyCell kEmpty;
    if (row < 0 || row >= RowCount || column < 0 || column >= ColumnCount)
        return kEmpty;
    return m_cells[row][column];
}

int KeyLayoutFile::keyCount() const
{
    int count = 0;
    for (const auto &row : m_cells)
        for (const KeyCell &c : row)
            count += c.isEmpty() ? 0 : 1;
    return count;
}

int KeyLayoutFile::rowCellCount(int row) const
{
    return row >= 0 && row < RowCount ? m_rowCellCounts[row] : 0;
}

QPoint KeyLayoutFile::enterNotch() const
{
    return m_header.specialEnterKeyShape == 1 ? QPoint(10, 30) : QPoint(9, 23);
}

QByteArray KeyLayoutFile::printedCharacter(const QByteArray &character)
{
    // The JSON printer's own escaping: quotes and backslashes escaped,
    // control characters as \b \f \n \r \t or \u00XX, bytes of 128 and above
    // unchanged.
    const JsonPtr item(cJSON_CreateString(character.constData()));
    if (!item)
        return QByteArrayLiteral("\"\"");
    char *printed = cJSON_PrintUnformatted(item.get());
    if (!printed)
        return QByteArrayLiteral("\"\"");
    const QByteArray out(printed);
    cJSON_free(printed);
    return out;
}

QString KeyLayoutFile::decodeCaptionBytes(const QByteArray &bytes)
{
    // The files carry GBK; the system's own 8-bit code page here is UTF-8.
    static QTextCodec *const gbk = QTextCodec::codecForName("GBK");
    return gbk ? gbk->toUnicode(bytes) : QString::fromLocal8Bit(bytes);
}

QString KeyLayoutFile::caption(const QString &rawCaption, int keyCode, bool translateKorean)
{
    if (keyCode == kApostropheKey || keyCode == kApostropheKeyAlias)
        return QStringLiteral("' \"");
    if (translateKorean && keyCode == HanjaKey)
        return QCoreApplication::translate("KeyLayoutFile", "한자");
    if (translateKorean && keyCode == HanYeongKey)
        return QCoreApplication::translate("KeyLayoutFile", "한영");
    QString text = rawCaption;
    text.remove(QLatin1Char('"'));
    return text;
}
